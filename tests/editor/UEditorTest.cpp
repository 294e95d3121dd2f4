#include "editor/UEditor.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <deque>

#include "editor/UEditorFeldTest.h"
#include "hilfen/TestHilfen.h"

namespace {

void BmpAnlegen(const std::string& pfad, QRgb farbe) {
    QDir().mkpath(QFileInfo(QString::fromStdString(pfad)).absolutePath());
    QImage bild(4, 4, QImage::Format_RGB32);
    bild.fill(farbe);
    ASSERT_TRUE(bild.save(QString::fromStdString(pfad), "BMP"));
}

// The window as the rules see it: dialog answers from a script, calls counted.
class TFensterAttrappe : public IEditorFenster {
  public:
    void FeldAufbauen() override { ++aufgebaut; }
    void FeldNeuZeichnen() override { ++gezeichnet; }
    void AuswahlZuruecksetzen() override { ++auswahlZurueck; }
    void AuswahlNeuZeichnen() override {}
    void BefehleAktualisieren() override {}
    std::string Name() const override { return name; }
    void NameSetzen(const std::string& n) override { name = n; }
    void NameFokussieren() override { ++fokussiert; }
    void Zentrieren() override {}

    std::optional<std::string> OeffnenDialog() override { return Naechster(oeffnen); }
    std::optional<std::string> SpeichernDialog() override { return Naechster(speichern); }
    std::optional<std::string> BildDialog() override { return Naechster(bild); }
    bool BilderOrdnerDialog() override { return false; }
    std::optional<TEditorEinstellungen> EinstellungenDialog(const TFeldDaten&) override {
        return einstellungen;
    }

    std::string name;
    int aufgebaut = 0, gezeichnet = 0, auswahlZurueck = 0, fokussiert = 0;
    std::deque<std::optional<std::string>> oeffnen, speichern, bild;
    std::optional<TEditorEinstellungen> einstellungen;

  private:
    static std::optional<std::string> Naechster(std::deque<std::optional<std::string>>& d) {
        if (d.empty()) return std::nullopt;
        auto a = d.front();
        d.pop_front();
        return a;
    }
};

struct EditorTest : ::testing::Test {
    TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    TDateiFehler fehler{meldungen};
    TBilderSets bilder{fehler};
    TSpielfeld feld;
    TLevelDateien level{feld, bilder, fehler};
    TFensterAttrappe fenster;
    TEditor editor{feld, bilder, fehler, level, fenster};

    void SetUp() override {
        bilder.Blockbilderordner = ordner.Pfad("block") + "/";
        bilder.Wasserbilderordner = ordner.Pfad("wasser") + "/";
        BmpAnlegen(bilder.Blockbilderordner + "mauer.bmp", qRgb(90, 90, 90));
        BmpAnlegen(bilder.Blockbilderordner + "kiste.bmp", qRgb(150, 100, 40));
        BmpAnlegen(bilder.Wasserbilderordner + "see.bmp", qRgb(0, 0, 200));
        BmpAnlegen(bilder.Wasserbilderordner + "teich.bmp", qRgb(0, 90, 200));
        bilder.BilderNeuLaden();
        editor.Feld_Erstellen(40, 40, 5, 6, clGruen);
    }

    TZellenArt ArtBei(std::uint32_t s, std::uint32_t z) { return feld.ZelleBei(s, z).Art; }

    // A level that passes the check: the two start cells in opposite corners.
    void GueltigesFeldMalen() {
        editor.Malen(0, 0, zaSpieler1, 0);
        editor.Malen(5, 4, zaSpieler2, 0);
        editor.Malen(2, 2, zaUnzerstoerbar, 1);
        fenster.name = "Arena";
    }
};

}  // namespace

TEST_F(EditorTest, StartfeldWirdVersetztUndUndoStelltNurDieZweiteZelleHer) {
    ASSERT_TRUE(editor.Malen(1, 1, zaSpieler1, 0));
    EXPECT_FALSE(editor.StartVerschoben());
    ASSERT_TRUE(editor.Malen(3, 2, zaZerstoerbar, 1));
    ASSERT_TRUE(editor.Malen(3, 2, zaSpieler1, 0));  // over a block, moving the start
    EXPECT_TRUE(editor.StartVerschoben());
    EXPECT_EQ(ArtBei(1, 1), zaFrei);
    EXPECT_EQ(ArtBei(3, 2), zaSpieler1);
    EXPECT_EQ(editor.UndoIndex(), feld.IndexVon(3, 2));

    editor.UndoClick();
    EXPECT_EQ(feld.ZelleBei(3, 2), (TZelle{zaZerstoerbar, 1, false}));
    EXPECT_EQ(ArtBei(1, 1), zaFrei);  // the freed start cell stays free
    EXPECT_FALSE(feld.ListeEnthaelt(zaSpieler1));
    EXPECT_FALSE(editor.UndoAktiv());

    // Painting over the other player's start is allowed and leaves that player without one.
    editor.Malen(0, 0, zaSpieler2, 0);
    editor.Malen(0, 0, zaSpieler1, 0);
    EXPECT_FALSE(feld.ListeEnthaelt(zaSpieler2));
    EXPECT_FALSE(editor.StartVerschoben());
}

TEST_F(EditorTest, AktuelleZelleErneutMalenErneuertDenUndoSchritt) {
    editor.Malen(2, 2, zaZerstoerbar, 0);
    editor.Malen(2, 2, zaZerstoerbar, 1);
    EXPECT_EQ(editor.UndoZelle(), (TZelle{zaZerstoerbar, 0, false}));
    editor.Malen(2, 2, zaZerstoerbar, 1);  // the same click again: undo holds the present content
    EXPECT_EQ(editor.UndoZelle(), (TZelle{zaZerstoerbar, 1, false}));
    editor.UndoClick();
    EXPECT_EQ(feld.ZelleBei(2, 2), (TZelle{zaZerstoerbar, 1, false}));
    // A start cell painted on its own cell is not "moved".
    editor.Malen(4, 4, zaSpieler2, 0);
    editor.Malen(4, 4, zaSpieler2, 0);
    EXPECT_FALSE(editor.StartVerschoben());
    EXPECT_EQ(ArtBei(4, 4), zaSpieler2);
    // A painting clears the water mark of a cell.
    feld.KnotenBei(feld.IndexVon(1, 1))->Neu = true;
    editor.Malen(1, 1, zaFrei, 0);
    EXPECT_FALSE(feld.ZelleBei(1, 1).Neu);
}

TEST_F(EditorTest, WasserNurMitEinemBildUndNichtsOhneBildersatz) {
    ASSERT_TRUE(editor.Malen(0, 0, zaWasser, 0));
    EXPECT_FALSE(editor.Malen(1, 0, zaWasser, 1));  // silently refused
    EXPECT_EQ(ArtBei(1, 0), zaFrei);
    EXPECT_EQ(editor.UndoIndex(), feld.IndexVon(0, 0));
    EXPECT_TRUE(editor.Malen(1, 0, zaWasser, 0));
    // Once no water is left, another picture may be used.
    editor.Malen(0, 0, zaFrei, 0);
    editor.Malen(1, 0, zaFrei, 0);
    EXPECT_TRUE(editor.Malen(2, 0, zaWasser, 1));
    EXPECT_TRUE(meldungen.Eintraege.empty());

    bilder.AlleFreigeben();
    EXPECT_FALSE(editor.Malen(3, 3, zaZerstoerbar, 0));
    EXPECT_FALSE(editor.Malen(3, 3, zaUnzerstoerbar, 0));
    EXPECT_FALSE(editor.Malen(3, 3, zaWasser, 1));
    EXPECT_TRUE(editor.Malen(3, 3, zaSpieler1, 0));
    EXPECT_TRUE(meldungen.Eintraege.empty());
    EXPECT_EQ(editor.AuswahlZeilen(zaZerstoerbar), 1u);  // one empty row
}

TEST_F(EditorTest, SpeichernWirdErstDurchSpeichernUnterFreigegeben) {
    GueltigesFeldMalen();
    EXPECT_FALSE(editor.SpeichernAktiv());
    EXPECT_FALSE(editor.Feld_Speichern());  // Ctrl+S before any save under a new name
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(ordner.Pfad("a.dat"))));

    fenster.speichern = {std::nullopt};  // dialog cancelled
    EXPECT_FALSE(editor.Feld_SpeichernUnter());
    EXPECT_FALSE(editor.SpeichernAktiv());

    const std::string pfad = ordner.Pfad("a.dat");
    fenster.speichern = {pfad};
    ASSERT_TRUE(editor.Feld_SpeichernUnter());
    EXPECT_TRUE(editor.SpeichernAktiv());
    EXPECT_EQ(LiesBytes(pfad).size(), 6u * 30);

    // Overwrite declined: nothing written, the command stays as it was.
    editor.Malen(1, 1, zaZerstoerbar, 0);
    meldungen.Antworten = {TAntwort::Nein};
    fenster.speichern = {pfad};
    EXPECT_FALSE(editor.Feld_SpeichernUnter());
    EXPECT_TRUE(editor.SpeichernAktiv());
    EXPECT_EQ(LiesBytes(pfad)[6 * 7], zaFrei);

    EXPECT_TRUE(editor.Feld_Speichern());
    EXPECT_EQ(LiesBytes(pfad)[6 * 7], zaZerstoerbar);

    // A failing check writes nothing and focuses the name box when the name is missing.
    fenster.name.clear();
    meldungen.Leeren();
    EXPECT_FALSE(editor.Feld_Speichern());
    EXPECT_EQ(meldungen.Letzter(), kNameFehlt);
    EXPECT_EQ(fenster.fokussiert, 1);

    editor.Btn_ResetClick();
    EXPECT_FALSE(editor.SpeichernAktiv());
    EXPECT_TRUE(editor.UndoAktiv());  // the undo step survives the reset
    EXPECT_TRUE(feld.AlleFrei());
    EXPECT_EQ(feld.FeldDaten().Name, "");
    EXPECT_EQ(feld.FeldDaten().SpielBreite, 6);
}

TEST_F(EditorTest, NameWirdAufZwanzigZeichenGekuerzt) {
    GueltigesFeldMalen();
    fenster.name = "Überlanger Spielfeldname mit Umlauten";
    fenster.speichern = {ordner.Pfad("lang.dat")};
    ASSERT_TRUE(editor.Feld_SpeichernUnter());
    EXPECT_EQ(feld.FeldDaten().Name, "Überlanger Spielfeld");
    EXPECT_EQ(LiesBytes(ordner.Pfad("lang.dat.all"))[0], 20);
}

TEST_F(EditorTest, SpeichernUndOeffnenMitBildernAusZweiOrdnern) {
    // Two more pictures from a folder of their own.
    const std::string fremd = ordner.Pfad("fremd") + "/";
    BmpAnlegen(fremd + "lava.bmp", qRgb(220, 60, 0));
    BmpAnlegen(fremd + "fels.bmp", qRgb(60, 60, 60));
    fenster.bild = {fremd + "lava.bmp"};
    editor.BmpLaden(true);
    fenster.bild = {fremd + "fels.bmp"};
    editor.BmpLaden(false);
    ASSERT_EQ(bilder.AnzahlBilder(kWasserbilder), 3u);
    ASSERT_EQ(bilder.AnzahlBilder(kBlockbilder), 3u);
    EXPECT_EQ(editor.AuswahlZeilen(zaWasser), 3u);

    editor.Malen(0, 0, zaSpieler1, 0);
    editor.Malen(5, 4, zaSpieler2, 0);
    editor.Malen(3, 0, zaUnzerstoerbar, 2);  // fels.bmp
    editor.Malen(5, 0, zaWasser, 2);         // lava.bmp, enclosed by blocks and the border
    editor.Malen(4, 0, zaZerstoerbar, 0);
    editor.Malen(5, 1, zaZerstoerbar, 1);
    fenster.name = "Zwei Ordner";
    const std::string pfad = ordner.Pfad("zwei.dat");
    fenster.speichern = {pfad};
    ASSERT_TRUE(editor.Feld_SpeichernUnter()) << meldungen.Letzter();
    const std::vector<TZelle> gemalt = feld.Zellen();

    // Back to a fresh level with the default sets, then open the saved one.
    editor.Btn_ResetBmpClick();
    ASSERT_EQ(bilder.AnzahlBilder(kWasserbilder), 2u);
    editor.Feld_Erstellen(20, 20, 3, 3, 0x00FF0000);
    meldungen.Leeren();
    fenster.oeffnen = {pfad};
    editor.Feld_Oeffnen();
    EXPECT_TRUE(meldungen.Eintraege.empty()) << meldungen.Letzter();
    EXPECT_EQ(feld.Zellen(), gemalt);
    EXPECT_EQ(fenster.name, "Zwei Ordner");
    EXPECT_EQ(feld.FeldDaten().SpielBreite, 6);
    EXPECT_EQ(feld.FeldDaten().EinzelHoehe, 40);
    EXPECT_FALSE(editor.SpeichernAktiv());
    ASSERT_EQ(bilder.AnzahlBilder(kWasserbilder), 3u);
    ASSERT_EQ(bilder.AnzahlBilder(kBlockbilder), 3u);
    EXPECT_EQ(bilder.Satz(kWasserbilder)[2].Daten.Pfad, fremd + "lava.bmp");
    EXPECT_EQ(bilder.BildHolen(3, kBlockbilder)->pixel(0, 0), qRgb(60, 60, 60));
    EXPECT_TRUE(feld.FeldDaten() == (TFeldDaten{"Zwei Ordner", 6, 5, 40, 40, clGruen}));
}

TEST_F(EditorTest, OeffnenBrichtBeimErstenFehlerAb) {
    SchreibeBytes(ordner.Pfad("kaputt.dat"), std::vector<unsigned char>(6 * 30, 0));
    SchreibeBytes(ordner.Pfad("kaputt.dat.all"), std::vector<unsigned char>(35, 0));
    fenster.oeffnen = {ordner.Pfad("kaputt.dat")};
    editor.Malen(1, 1, zaSpieler1, 0);
    editor.Feld_Oeffnen();
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Fehler: Grösse der AllgemeinDatei stimmt nicht!"});
    EXPECT_EQ(ArtBei(1, 1), zaSpieler1);  // nothing replaced

    fenster.oeffnen = {std::nullopt};
    editor.Feld_Oeffnen();
    EXPECT_EQ(ArtBei(1, 1), zaSpieler1);
}

TEST_F(EditorTest, BereitsBenutztesBildWirdAbgelehnt) {
    const std::string fremd = ordner.Pfad("fremd") + "/";
    BmpAnlegen(fremd + "see.bmp", qRgb(1, 2, 3));  // same name as a water picture
    BmpAnlegen(fremd + "neu.bmp", qRgb(4, 5, 6));

    fenster.bild = {fremd + "see.bmp", fremd + "neu.bmp"};
    meldungen.Antworten = {TAntwort::Ja};
    editor.BmpLaden(false);  // refused though blocks were chosen; Yes asks again
    ASSERT_EQ(meldungen.Eintraege.size(), 1u);
    EXPECT_EQ(meldungen.Eintraege[0].Typ, TBoxTyp::Fehler);
    EXPECT_EQ(meldungen.Letzter(), kFrageBildBenutzt);
    ASSERT_EQ(bilder.AnzahlBilder(kBlockbilder), 3u);
    EXPECT_EQ(bilder.Satz(kBlockbilder)[2].Daten.Nummer, 3);

    fenster.bild = {fremd + "neu.bmp"};
    meldungen.Antworten = {TAntwort::Nein};
    editor.BmpLaden(true);
    EXPECT_EQ(bilder.AnzahlBilder(kWasserbilder), 2u);
    EXPECT_TRUE(fenster.bild.empty());
}

TEST_F(EditorTest, StandardBilderNurNachJa) {
    fenster.name = "Name";
    TFeldDaten d = feld.HoleFeldDaten();
    d.Name = "Gespeichert";
    feld.SetzeFeldDaten(d);
    editor.Malen(1, 1, zaZerstoerbar, 0);
    bilder.AlleFreigeben();

    meldungen.Antworten = {TAntwort::Nein};
    editor.Btn_ResetBmpClick();
    EXPECT_EQ(ArtBei(1, 1), zaZerstoerbar);
    EXPECT_FALSE(bilder.IstGeladen(kBlockbilder));

    editor.Btn_ResetBmpClick();
    EXPECT_TRUE(feld.AlleFrei());
    EXPECT_EQ(feld.AnzahlKnoten(), 30u);
    EXPECT_EQ(fenster.name, "Gespeichert");
    EXPECT_EQ(bilder.AnzahlBilder(kBlockbilder), 2u);
    EXPECT_EQ(bilder.AnzahlBilder(kWasserbilder), 2u);
    EXPECT_FALSE(editor.UndoAktiv());
}

TEST_F(EditorTest, GroessenaenderungFrage) {
    editor.Malen(1, 1, zaZerstoerbar, 0);
    TEditorEinstellungen w;
    w.Set_Einstellungen(feld.FeldDaten());
    w.Farbe = 0x00FF0000;
    w.SpielBreite = 10;

    // No: the old board stays, the colour is applied.
    fenster.einstellungen = w;
    meldungen.Antworten = {TAntwort::Nein};
    editor.Btn_EditorEinstellungenClick();
    EXPECT_EQ(meldungen.Letzter(), kFrageGroesse);
    EXPECT_EQ(feld.FeldDaten().Farbe, 0x00FF0000u);
    EXPECT_EQ(feld.FeldDaten().SpielBreite, 6);
    EXPECT_EQ(ArtBei(1, 1), zaZerstoerbar);

    // Yes: an empty level of the new size.
    w.Farbe = 0x000000FF;
    fenster.einstellungen = w;
    meldungen.Antworten = {TAntwort::Ja};
    editor.Btn_EditorEinstellungenClick();
    EXPECT_EQ(feld.FeldDaten().SpielBreite, 10);
    EXPECT_EQ(feld.FeldDaten().Farbe, 0x000000FFu);
    EXPECT_EQ(feld.AnzahlKnoten(), 50u);
    EXPECT_TRUE(feld.AlleFrei());
    EXPECT_FALSE(editor.UndoAktiv());

    // Only the colour changed: no question.
    meldungen.Leeren();
    editor.Malen(1, 1, zaZerstoerbar, 0);
    w.Farbe = 0x00123456;
    fenster.einstellungen = w;
    editor.Btn_EditorEinstellungenClick();
    EXPECT_TRUE(meldungen.Eintraege.empty());
    EXPECT_EQ(feld.FeldDaten().Farbe, 0x00123456u);
    EXPECT_EQ(ArtBei(1, 1), zaZerstoerbar);

    // Cancel changes nothing.
    fenster.einstellungen.reset();
    editor.Btn_EditorEinstellungenClick();
    EXPECT_EQ(feld.FeldDaten().Farbe, 0x00123456u);
}

TEST_F(EditorTest, SchliessenFrage) {
    // An all-free board closes without a question, whatever the name box holds.
    fenster.name = "Nur ein Name";
    EXPECT_TRUE(editor.FormCloseQuery());
    EXPECT_TRUE(meldungen.Eintraege.empty());
    EXPECT_EQ(feld.AnzahlKnoten(), 0u);

    editor.Feld_Erstellen(40, 40, 5, 6, clGruen);
    editor.Malen(2, 2, zaZerstoerbar, 0);
    meldungen.Antworten = {TAntwort::Abbrechen};
    EXPECT_FALSE(editor.FormCloseQuery());
    EXPECT_EQ(meldungen.Letzter(), kFrageSpeichern);
    EXPECT_EQ(ArtBei(2, 2), zaZerstoerbar);

    meldungen.Antworten = {TAntwort::Nein};
    EXPECT_TRUE(editor.FormCloseQuery());
    EXPECT_EQ(feld.AnzahlKnoten(), 0u);
}

TEST_F(EditorTest, SchliessenMitJaOhneSpeichernBleibtOffen) {
    // The check refuses (no start cells): the editor stays open with the level intact.
    editor.Malen(2, 2, zaZerstoerbar, 0);
    fenster.name = "Halb";
    meldungen.Antworten = {TAntwort::Ja};
    EXPECT_FALSE(editor.FormCloseQuery());
    EXPECT_EQ(meldungen.Texte().back(), FeldFehlerText(1));
    EXPECT_EQ(ArtBei(2, 2), zaZerstoerbar);

    // The save dialog is cancelled.
    GueltigesFeldMalen();
    fenster.speichern = {std::nullopt};
    meldungen.Antworten = {TAntwort::Ja};
    EXPECT_FALSE(editor.FormCloseQuery());
    EXPECT_EQ(feld.AnzahlKnoten(), 30u);

    // The overwrite question answered No.
    const std::string pfad = ordner.Pfad("da.dat");
    SchreibeBytes(pfad, {1, 2, 3});
    fenster.speichern = {pfad};
    meldungen.Antworten = {TAntwort::Ja, TAntwort::Nein};
    EXPECT_FALSE(editor.FormCloseQuery());
    EXPECT_EQ(LiesBytes(pfad).size(), 3u);

    // A real save closes.
    fenster.speichern = {pfad};
    meldungen.Antworten = {TAntwort::Ja, TAntwort::Ja};
    EXPECT_TRUE(editor.FormCloseQuery());
    EXPECT_EQ(LiesBytes(pfad).size(), 6u * 30);
    EXPECT_EQ(feld.AnzahlKnoten(), 0u);

    // With "&Speichern" enabled, Yes saves into the bound files without a dialog.
    editor.Feld_Erstellen(40, 40, 5, 6, clGruen);
    GueltigesFeldMalen();
    fenster.speichern = {pfad};
    meldungen.Antworten = {TAntwort::Ja};
    ASSERT_TRUE(editor.Feld_SpeichernUnter());
    editor.Malen(1, 1, zaZerstoerbar, 0);
    meldungen.Antworten = {TAntwort::Ja};
    EXPECT_TRUE(editor.FormCloseQuery());
    EXPECT_EQ(LiesBytes(pfad)[6 * 7], zaZerstoerbar);
}

TEST(EditorEinstellungen, BegrenzenUndStandardwerte) {
    TEditorEinstellungen e;
    e.Set_Einstellungen(TFeldDaten{"x", 30, 1, 200, 9, 0x00ABCDEF});
    EXPECT_EQ(e.SpielBreite, 25);
    EXPECT_EQ(e.SpielHoehe, 3);
    EXPECT_EQ(e.EinzelBreite, 100);
    EXPECT_EQ(e.EinzelHoehe, 10);
    EXPECT_EQ(e.Farbe, 0x00ABCDEFu);
    // A clamped load reads back as a size change.
    EXPECT_FALSE(e.GroesseGleich(TFeldDaten{"x", 30, 1, 200, 9, 0}));
    EXPECT_TRUE(e.GroesseGleich(TFeldDaten{"y", 25, 3, 100, 10, 0}));

    const TFeldDaten neu = e.Uebernehmen(TFeldDaten{"Name", 5, 5, 5, 5, 0});
    EXPECT_TRUE(neu == (TFeldDaten{"Name", 25, 3, 100, 10, 0x00ABCDEF}));

    e.Reset();
    EXPECT_TRUE(e == (TEditorEinstellungen{40, 40, 16, 20, 0x008000}));
}
