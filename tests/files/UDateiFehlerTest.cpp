#include "files/UDateiFehler.h"

#include <gtest/gtest.h>

#include "hilfen/TestHilfen.h"

TEST(DateiFehler, JederTextGanzMitSeinerBox) {
    TMeldungsProtokoll m;
    TDateiFehler f{m};
    const std::string x = "Konfig-Datei", pfad = "/a/b.dat";
    EXPECT_TRUE(f.SpeicherFehler(x) && f.LeseFehler(x) && f.OeffnenFehler(x) &&
                f.SchliessenFehler(x) && f.GroesseFehler(x) && f.FehltFehler(x) &&
                f.SchreibschutzFehler() && f.PfadFehltMeldung(pfad) && f.BilderFehlenMeldung());
    EXPECT_FALSE(f.BilderVerschobenMeldung());
    m.Antworten = {TAntwort::Nein};
    EXPECT_TRUE(!f.SchreibschutzFrage(x) && f.UeberschreibenFrage(pfad));
    EXPECT_EQ(m.Texte(),
              (std::vector<std::string>{
                  "Fehler beim Speichern eines Datensatzes der Konfig-Datei!",
                  "Fehler beim Lesen eines Datensatzes der Konfig-Datei!",
                  "Fehler beim Öffnen der Konfig-Datei!", "Fehler beim Schließen der Konfig-Datei!",
                  "Fehler: Grösse der Konfig-Datei stimmt nicht!",
                  "Fehler: Die Konfig-Datei ist nicht vorhanden!",
                  "Fehler: Der Schreibschutz konnte nicht entfernt werden",
                  "Der gespeicherte Pfad /a/b.dat exsistiert nicht mehr. Daher wurde dieses Level "
                  "aus der Liste gelöscht.",
                  "Fehler beim Öffnen der Bilder. Spiel kann leider nicht gestartet werden.",
                  "Fehler: Es sind Bilder des gespeicherten Feldes gelöscht/verschoben worden! Das "
                  "Feld könnte anderes aussehen.",
                  "Konfig-Datei ist schreibgeschützt! Soll der Schreibschutz entfernt werden?",
                  "Die Datei /a/b.dat existiert bereits. Soll sie überschrieben werden?"}));
    for (std::size_t i = 0; i < m.Eintraege.size(); ++i)
        EXPECT_EQ(m.Eintraege[i].Typ, i < 10 ? TBoxTyp::Fehler : TBoxTyp::Warnung) << i;
}
