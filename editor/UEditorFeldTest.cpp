#include "editor/UEditorFeldTest.h"

#include <vector>

namespace {

constexpr TRichtung kRichtungen[4] = {riOben, riLinks, riRechts, riUnten};

class TPruefung {
  public:
    explicit TPruefung(TSpielfeld& feld) : feld_(feld), g_(feld.HoleFeldDaten()) {}

    bool BeideStartpositionen() {
        bool eins = false, zwei = false;
        for (const auto& z : feld_.Zellen()) {
            eins = eins || z.Art == zaSpieler1;
            zwei = zwei || z.Art == zaSpieler2;
            if (eins && zwei) return true;
        }
        return false;
    }

    bool WasserfelderOK() {
        TIndex index = 1;
        for (TKnoten k = feld_.ErsterKnoten(); index <= feld_.AnzahlKnoten(); ++index, ++k) {
            if (!IstWasser(k)) continue;
            for (TRichtung r : kRichtungen) {
                if (!HatNachbar(g_, index, r)) continue;
                const TZelle* n = feld_.Nachbar(k, r);
                if (!n ||
                    (n->Art != zaWasser && n->Art != zaZerstoerbar && n->Art != zaUnzerstoerbar))
                    return false;
            }
        }
        return true;
    }

    bool StartpositionFrei(TZellenArt art) {
        const TGefunden s = feld_.FindeArt(art);
        if (!s.Knoten) return false;
        for (TRichtung r : kRichtungen)
            if (RichtungFrei(s.Knoten, s.Index, r)) return true;
        return false;
    }

    // Depth-first from player 1 with an explicit stack of (cell, next direction) frames, so a
    // board of 65 535 cells cannot exhaust the call stack; the visiting order stays up, left,
    // right, down.
    bool WegSuche() {
        feld_.LoescheNeuMarken();
        const TGefunden a = feld_.FindeSpieler(1);
        bool gefunden = false;
        if (a.Knoten) {
            struct TRahmen {
                TKnoten Knoten;
                TIndex Index;
                int Richtung;
            };
            std::vector<TRahmen> stapel;
            a.Knoten->Neu = true;
            stapel.push_back({a.Knoten, a.Index, 0});
            while (!stapel.empty()) {
                TRahmen& f = stapel.back();
                if (f.Richtung == 4) {
                    stapel.pop_back();
                    continue;
                }
                const TRichtung r = kRichtungen[f.Richtung++];
                if (!HatNachbar(g_, f.Index, r)) continue;
                TKnoten b = feld_.Nachbar(f.Knoten, r);
                if (!b || b->Neu) continue;
                if (b->Art == zaSpieler2) {
                    gefunden = true;
                } else if (b->Art == zaFrei || b->Art == zaZerstoerbar) {
                    b->Neu = true;
                    const TIndex ib = feld_.Verschiebe(f.Index, 2, r);
                    stapel.push_back({b, ib, 0});  // f may dangle from here on
                }
            }
        }
        feld_.LoescheNeuMarken();
        return gefunden;
    }

  private:
    bool NachbarFrei(TKnoten z, TIndex index, TRichtung e) {
        return HatNachbar(g_, index, e) && IstFrei(feld_.Nachbar(z, e));
    }

    bool QuerFrei(TKnoten z, TIndex index, TRichtung d) {
        if (d == riOben || d == riUnten)
            return NachbarFrei(z, index, riRechts) || NachbarFrei(z, index, riLinks);
        return NachbarFrei(z, index, riOben) || NachbarFrei(z, index, riUnten);
    }

    bool RichtungFrei(TKnoten s, TIndex index, TRichtung d) {
        TKnoten c = s;
        TIndex i = index;
        for (int n = 0;;) {
            if (!HatNachbar(g_, i, d)) return false;
            TKnoten nb = feld_.Nachbar(c, d);
            if (!IstFrei(nb)) return false;
            const TIndex in = feld_.Verschiebe(i, 2, d);
            if (QuerFrei(nb, in, d) || QuerFrei(c, i, d)) return true;
            c = nb;
            i = in;
            if (++n == 3) return true;
        }
    }

    TSpielfeld& feld_;
    const TFeldDaten g_;
};

}  // namespace

TFeldFehler PruefeFeld(TSpielfeld& feld) {
    TPruefung p(feld);
    if (!p.BeideStartpositionen()) return 1;
    if (!p.WasserfelderOK()) return 2;
    if (!p.StartpositionFrei(zaSpieler1)) return 3;
    if (!p.StartpositionFrei(zaSpieler2)) return 4;
    if (!p.WegSuche()) return 5;
    return 0;
}

std::string FeldFehlerText(TFeldFehler code) {
    const std::string anfang = "Das Spielfeld enthält Fehler! ";
    switch (code) {
        case 1:
            return anfang + "Es hat nicht jeder Spieler eine Startposition.";
        case 2:
            return anfang + "Überprüfen Sie bitte die Wasserfelder.";
        case 3:
            return anfang + "Überprüfen Sie bitte die Startpositionsfreiheit von Spieler 1.";
        case 4:
            return anfang + "Überprüfen Sie bitte die Startpositionsfreiheit von Spieler 2.";
        case 5:
            return anfang +
                   "Es gibt keinen freien/zerstörbaren Weg zwischen beiden Startpositionen.";
        default:
            return "";
    }
}

bool FeldGueltig(const std::string& name, TSpielfeld& feld, IMeldungen& m) {
    if (name.empty()) {
        m.Zeige(TBoxTyp::Warnung, kNameFehlt);
        return false;
    }
    const TFeldFehler code = PruefeFeld(feld);
    if (code != 0) m.Zeige(TBoxTyp::Warnung, FeldFehlerText(code));
    return code == 0;
}
