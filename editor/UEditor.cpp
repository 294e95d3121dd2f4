#include "editor/UEditor.h"

#include "editor/UEditorFeldTest.h"
#include "model/UAnsi.h"

TZellenArt ArtVonAuswahl(const std::string& text, bool spieler2) {
    if (text == kAuswahlZerstoerbar) return zaZerstoerbar;
    if (text == kAuswahlUnzerstoerbar) return zaUnzerstoerbar;
    if (text == kAuswahlWasser) return zaWasser;
    if (text == kAuswahlStart) return spieler2 ? zaSpieler2 : zaSpieler1;
    return zaFrei;
}

TEditor::TEditor(TSpielfeld& feld, TBilderSets& bilder, TDateiFehler& fehler, TLevelDateien& level,
                 IEditorFenster& fenster)
    : feld_(feld), bilder_(bilder), fehler_(fehler), level_(level), fenster_(fenster) {}

void TEditor::SpeichernSetzen(bool an) {
    speichernAktiv_ = an;
    fenster_.BefehleAktualisieren();
}

void TEditor::UndoSetzen(bool an) {
    undoAktiv_ = an;
    fenster_.BefehleAktualisieren();
}

void TEditor::Feld_Erstellen(std::uint16_t einzelHoehe, std::uint16_t einzelBreite,
                             std::uint16_t spielHoehe, std::uint16_t spielBreite,
                             std::uint32_t farbe) {
    speichernAktiv_ = false;
    undoAktiv_ = false;
    fenster_.BefehleAktualisieren();
    fenster_.AuswahlZuruecksetzen();
    fenster_.NameSetzen(feld_.FeldDaten().Name);
    // The level loader refuses geometries beyond 16-bit cell counts, the settings stay far below.
    feld_.ErzeugeFeld(std::uint32_t(spielHoehe) * spielBreite);
    feld_.SetzeFeldGroesse(einzelHoehe, einzelBreite, spielHoehe, spielBreite, farbe);
    fenster_.FeldAufbauen();
    fenster_.Zentrieren();
}

bool TEditor::Malen(std::uint32_t spalte0, std::uint32_t zeile0, TZellenArt art,
                    std::uint16_t bild) {
    startVerschoben_ = false;
    const TFeldDaten& g = feld_.FeldDaten();
    if (spalte0 >= g.SpielBreite || zeile0 >= g.SpielHoehe) return false;
    const TIndex index = feld_.IndexVon(spalte0, zeile0);
    if (index > feld_.AnzahlKnoten()) return false;

    const bool start = art == zaSpieler1 || art == zaSpieler2;
    const bool verschieben = start && feld_.ArtSchonVorhanden(art, spalte0, zeile0);
    // All water of a level shows one picture; blocks and water need a picture to show.
    const int wasserBild = feld_.ErstesWasserBild();
    if (art == zaWasser && wasserBild != -1 && wasserBild != bild) return false;
    if ((art == zaZerstoerbar || art == zaUnzerstoerbar) && !bilder_.IstGeladen(kBlockbilder))
        return false;
    if (art == zaWasser && !bilder_.IstGeladen(kWasserbilder)) return false;

    if (verschieben) {
        feld_.LoescheSpielerstart(art);
        startVerschoben_ = true;
    }
    undoIndex_ = index;
    undoZelle_ = feld_.ZelleBei(spalte0, zeile0);
    feld_.SetzeZelleBei(index, art, bild);
    UndoSetzen(true);
    return true;
}

void TEditor::UndoClick() {
    if (!undoAktiv_) return;
    feld_.SetzeZelleBei(undoIndex_, undoZelle_.Art, undoZelle_.Bild);
    UndoSetzen(false);
    fenster_.FeldNeuZeichnen();
}

void TEditor::Btn_ResetClick() {
    SpeichernSetzen(false);
    TFeldDaten d = feld_.HoleFeldDaten();
    d.Name.clear();
    feld_.SetzeFeldDaten(d);
    fenster_.NameSetzen("");
    feld_.LeereFeld();
    fenster_.FeldNeuZeichnen();
}

bool TEditor::FeldGueltigHier() {
    const std::string name = fenster_.Name();
    if (FeldGueltig(name, feld_, fehler_.Meldungen())) return true;
    if (name.empty()) fenster_.NameFokussieren();
    return false;
}

bool TEditor::SpeicherbarHier() {
    if (!FeldGueltigHier()) return false;
    // An empty picture file is one no round and no editor can open again.
    if (bilder_.AnzahlBilder(kBlockbilder) + bilder_.AnzahlBilder(kWasserbilder) > 0) return true;
    fehler_.Meldungen().Zeige(TBoxTyp::Fehler, kKeineBilder);
    return false;
}

void TEditor::Btn_FeldTestClick() {
    if (FeldGueltigHier()) fehler_.Meldungen().Zeige(TBoxTyp::Information, kFeldOK);
}

void TEditor::BmpLaden(bool wasser) {
    for (;;) {
        const auto pfad = fenster_.BildDialog();
        if (!pfad) return;
        if (bilder_.SchonBenutzt(*pfad, kWasserbilder) ||
            bilder_.SchonBenutzt(*pfad, kBlockbilder)) {
            if (fehler_.Meldungen().FrageJaNein(TBoxTyp::Fehler, kFrageBildBenutzt)) continue;
            return;
        }
        bilder_.BildAnhaengen(*pfad, wasser ? kWasserbilder : kBlockbilder);
        fenster_.AuswahlNeuZeichnen();
        fenster_.FeldNeuZeichnen();
        return;
    }
}

void TEditor::Btn_ResetBmpClick() {
    if (!fehler_.Meldungen().FrageJaNein(TBoxTyp::Bestaetigung, kFrageStandardBilder)) return;
    feld_.LoescheFeld();
    bilder_.AlleFreigeben();
    const TFeldDaten d = feld_.HoleFeldDaten();
    Feld_Erstellen(d.EinzelHoehe, d.EinzelBreite, d.SpielHoehe, d.SpielBreite, d.Farbe);
    bilder_.BilderNeuLaden();
    fenster_.AuswahlNeuZeichnen();
    fenster_.FeldNeuZeichnen();
}

void TEditor::Btn_BilderOrdnerClick() {
    // The cells keep their picture numbers, which now refer to the new sets.
    if (!fenster_.BilderOrdnerDialog()) return;
    fenster_.AuswahlNeuZeichnen();
    fenster_.FeldNeuZeichnen();
}

void TEditor::Btn_EditorEinstellungenClick() {
    TFeldDaten g = feld_.HoleFeldDaten();
    const auto neu = fenster_.EinstellungenDialog(g);
    if (!neu) return;
    g.Farbe = neu->Farbe;
    feld_.SetzeFeldDaten(g);
    fenster_.FeldNeuZeichnen();
    fenster_.AuswahlNeuZeichnen();
    if (neu->GroesseGleich(g)) return;
    if (!fehler_.Meldungen().FrageJaNein(TBoxTyp::Bestaetigung, kFrageGroesse)) return;
    g = neu->Uebernehmen(g);
    feld_.LoescheFeld();
    Feld_Erstellen(g.EinzelHoehe, g.EinzelBreite, g.SpielHoehe, g.SpielBreite, g.Farbe);
}

void TEditor::Feld_Oeffnen() {
    const auto p = fenster_.OeffnenDialog();
    if (!p) return;
    const std::string& pfad = *p;
    if (fehler_.DateiPruefen(pfad + ".all", kAllgemeinDatei, TPruefModus::Lesen)) return;
    if (fehler_.DateiPruefen(pfad, kFelddatei, TPruefModus::Lesen)) return;
    if (fehler_.DateiPruefen(pfad + ".bild", kBilderDatei, TPruefModus::Lesen)) return;
    if (level_.AllgemeinLesen(pfad + ".all")) return;

    feld_.LoescheFeld();
    const TFeldDaten d = feld_.HoleFeldDaten();
    Feld_Erstellen(d.EinzelHoehe, d.EinzelBreite, d.SpielHoehe, d.SpielBreite, d.Farbe);
    const bool fehler =
        level_.ZellenLesen(pfad, feld_.Zellenzahl()) || level_.BilderLesen(pfad + ".bild");
    // Whatever was read so far is shown, also after a failure.
    fenster_.FeldNeuZeichnen();
    fenster_.AuswahlNeuZeichnen();
    if (!fehler) fenster_.Zentrieren();
}

bool TEditor::Feld_SpeichernUnter() {
    if (!SpeicherbarHier()) return false;
    const auto p = fenster_.SpeichernDialog();
    if (!p) return false;
    if (level_.LevelSpeichernUnter(*p)) return false;
    SpeichernSetzen(true);
    return Feld_Speichern();
}

bool TEditor::Feld_Speichern() {
    if (!speichernAktiv_) return false;
    if (!SpeicherbarHier()) return false;
    TFeldDaten d = feld_.HoleFeldDaten();
    d.Name = Utf8Kuerzen(fenster_.Name(), kNameLaenge);
    feld_.SetzeFeldDaten(d);
    return !level_.LevelSpeichern();
}

bool TEditor::FormCloseQuery() {
    if (feld_.AlleFrei()) {
        feld_.LoescheFeld();
        return true;
    }
    bool schliessen = false;
    switch (fehler_.Meldungen().FrageJaNeinAbbrechen(TBoxTyp::Bestaetigung, kFrageSpeichern)) {
        case TAntwort::Ja:
            // A save that did not happen (refused by the check, cancelled, failed) keeps the
            // editor open: closing would lose the level the user just asked to keep.
            schliessen = speichernAktiv_ ? Feld_Speichern() : Feld_SpeichernUnter();
            break;
        case TAntwort::Nein:
            schliessen = true;
            break;
        case TAntwort::Abbrechen:
            break;
    }
    if (!schliessen) {
        fenster_.FeldNeuZeichnen();
        return false;
    }
    feld_.LoescheFeld();
    return true;
}

std::uint32_t TEditor::AuswahlZeilen(TZellenArt art) const {
    std::uint32_t n = 1;
    if (art == zaZerstoerbar || art == zaUnzerstoerbar) n = bilder_.AnzahlBilder(kBlockbilder);
    if (art == zaWasser) n = bilder_.AnzahlBilder(kWasserbilder);
    return n == 0 ? 1 : n;
}
