#include "wiederholung/UAbspielen.h"

#include <cstdio>

#include "files/URecords.h"
#include "model/UAnsi.h"

namespace {

// The round and match messages are the replay's own business; file messages are kept for the
// complaint.
class TStilleMeldungen final : public IMeldungen {
  public:
    void Zeige(TBoxTyp typ, const std::string& text) override {
        if (typ != TBoxTyp::Information) Fehler.push_back(text);
    }
    bool FrageJaNein(TBoxTyp, const std::string&) override { return false; }
    TAntwort FrageJaNeinAbbrechen(TBoxTyp, const std::string&) override {
        return TAntwort::Abbrechen;
    }
    std::vector<std::string> Fehler;
};

TSpielRecEinstellungen Entpackt(const std::string& b) {
    return EntpackeEinstellungen(reinterpret_cast<const std::uint8_t*>(b.data()));
}

}  // namespace

TAbspieler::TAbspieler(const TAufnahme& a, TSpielfeld& feld, TBilderSets& bilder,
                       IMeldungen& meldungen, ISpielAnsicht& ansicht, std::uint64_t maxTicks)
    : a_(a),
      ordner_(a),
      zufall_(a.Saat),
      fehler_(meldungen),
      dateien_(feld, bilder, fehler_),
      quelle_(dateien_),
      spiel_({{feld, einst_, bomben_, zufall_}, quelle_, highscore_, {}, meldungen, ansicht, uhr_}),
      lauf_(spiel_, uhr_) {
    lauf_.MaxTicks = maxTicks;
}

bool TAbspieler::Starten() {
    if (!ordner_.Ok()) {
        fehler_.Meldungen().Zeige(TBoxTyp::Fehler,
                                  "Die Spielfelder der Wiederholung konnten nicht in einem "
                                  "temporären Ordner abgelegt werden.");
        return false;
    }
    einst_.EinstellungenSetzen(Entpackt(a_.Einstellungen));
    einst_.Arbeitskopie = Entpackt(a_.Arbeitskopie);
    einst_.LevellisteLoeschen();
    for (const auto& l : ordner_.Levelliste) einst_.LevelAnhaengen(l);
    einst_.LevelAnzahl = a_.LevelAnzahl;
    einst_.ComputerArten = a_.Computer;
    einst_.Sturmflut = a_.Sturmflut;
    zufall_.Saeen(a_.Saat);
    naechste_ = 0;
    lauf_.Beginnen();
    const bool ok = spiel_.MatchStarten();
    lauf_.Bis(uhr_.Jetzt());
    return ok;
}

void TAbspieler::Bis(std::uint64_t t) {
    while (!Fertig() && a_.Eingaben[naechste_].Zeit <= t) {
        if (lauf_.Ueberlang()) {
            naechste_ = a_.Eingaben.size();
            return;
        }
        const TEingabe e = a_.Eingaben[naechste_++];
        lauf_.Eingabe(e);
    }
    lauf_.Bis(lauf_.Basis() + std::max(t, lauf_.Zeit()));
}

void TAbspieler::BisZumEnde() {
    if (!a_.Eingaben.empty()) Bis(a_.Eingaben.back().Zeit);
}

std::optional<std::uint64_t> TAbspieler::NaechsteEingabe() const {
    if (Fertig()) return std::nullopt;
    return a_.Eingaben[naechste_].Zeit;
}

std::optional<std::uint64_t> TAbspieler::NaechsteRunde() const {
    for (std::size_t i = naechste_; i < a_.Eingaben.size(); ++i)
        if (a_.Eingaben[i].Art == TEingabeArt::NaechsteRunde ||
            a_.Eingaben[i].Art == TEingabeArt::Ende)
            return a_.Eingaben[i].Zeit;
    return std::nullopt;
}

std::optional<std::uint64_t> TAbspieler::NaechsteFaelligkeit() const {
    std::optional<std::uint64_t> n = NaechsteEingabe();
    if (const auto tick = uhr_.NaechsteFaelligkeit()) {
        const std::uint64_t t = *tick - lauf_.Basis();
        if (!n || t < *n) n = t;
    }
    return n;
}

std::string AufnahmePruefen(const TAufnahme& a, const std::string& bilderordner,
                            std::vector<std::string>& protokoll, std::uint64_t maxTicks) {
    TStilleMeldungen m;
    TDateiFehler df(m);
    TBilderSets bilder(df);
    bilder.StandardOrdner(bilderordner);
    bilder.BilderNeuLaden();
    m.Fehler.clear();  // a missing picture folder matters to the window, not to the match
    TSpielfeld feld;
    TKeineAnsicht ansicht;
    TAbspieler ab(a, feld, bilder, m, ansicht, maxTicks);
    if (ab.Starten()) ab.BisZumEnde();
    protokoll = ab.Protokoll();
    if (ab.WieAufgenommen()) return {};
    if (ab.Ueberlang())
        return "Die Wiederholung läuft länger, als ein Match dauern kann; sie ist wohl beschädigt.";
    std::size_t i = 0;
    while (i < protokoll.size() && i < a.Protokoll.size() && protokoll[i] == a.Protokoll[i]) ++i;
    auto zeile = [i](const std::vector<std::string>& z) {
        return i < z.size() ? "\"" + z[i] + "\"" : std::string("nichts");
    };
    std::string text =
        "Die Wiederholung endet anders als aufgenommen; sie stammt wohl von einer anderen "
        "Version von Knallfeld.\nAufgenommen: " +
        zeile(a.Protokoll) + "\nAbgespielt: " + zeile(protokoll);
    if (!m.Fehler.empty()) text += "\n" + m.Fehler.front();
    return text;
}

std::vector<THighscoreEintrag> HighscoreEintraege(const TAufnahme& a) {
    std::vector<THighscoreEintrag> r;
    if (a.Arbeitskopie.size() != kGroesseEinstellungen) return r;
    const TSpielRecEinstellungen e = Entpackt(a.Arbeitskopie);
    for (const std::string& z : a.Protokoll) {
        unsigned p1 = 0, p2 = 0;
        if (std::sscanf(z.c_str(), "Punkte: %u : %u", &p1, &p2) != 2 ||
            z != "Punkte: " + std::to_string(p1) + " : " + std::to_string(p2))
            continue;
        r.push_back({Utf8Kuerzen(e.Spieler1.Name, 20), static_cast<std::uint16_t>(p1)});
        r.push_back({Utf8Kuerzen(e.Spieler2.Name, 20), static_cast<std::uint16_t>(p2)});
    }
    return r;
}

void AufnahmeEinstellungen(TAufnahme& a, const TEinstellungen& e) {
    const TBytes rec = PackeEinstellungen(e.EinstellungenHolen());
    const TBytes kopie = PackeEinstellungen(e.Arbeitskopie);
    a.Einstellungen.assign(rec.begin(), rec.end());
    a.Arbeitskopie.assign(kopie.begin(), kopie.end());
    a.LevelAnzahl = e.LevelAnzahl;
    a.Levelliste = e.Levelliste();
    a.Computer = e.ComputerArten;
    a.Sturmflut = e.Sturmflut;
}
