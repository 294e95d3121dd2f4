#include "editor/UEditor.h"

#include <gtest/gtest.h>

#include "editor/UEditorFeldTest.h"
#include "hilfen/TestHilfen.h"

namespace {

using TDialog = std::deque<std::optional<std::string>>;

// The window as the rules see it: dialog answers from a script.
class TFensterAttrappe : public IEditorFenster {
  public:
    void FeldAufbauen() override {}
    void FeldNeuZeichnen() override { ++neu.first; }
    void AuswahlZuruecksetzen() override {}
    void AuswahlNeuZeichnen() override { ++neu.second; }
    // The commands as the window shows them: as the editor says at the last refresh.
    void BefehleAktualisieren() override { befehle = {e->SpeichernAktiv(), e->UndoAktiv()}; }
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

    const TEditor* e = nullptr;
    std::pair<bool, bool> befehle;  // save, undo
    std::pair<int, int> neu;        // redraws of board and selection
    std::string name;
    int fokussiert = 0;
    TDialog oeffnen, speichern, bild;
    std::optional<TEditorEinstellungen> einstellungen;

  private:
    static std::optional<std::string> Naechster(TDialog& d) {
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
    const std::string pfad = ordner.Pfad("a.dat");

    // Two pictures in each set; an empty 6 x 5 level.
    void SetUp() override {
        fenster.e = &editor;
        BitmapAnlegen(ordner.Pfad("b.bmp"), qRgb(160, 160, 164), 4);
        for (std::uint8_t art : {kBlockbilder, kBlockbilder, kWasserbilder, kWasserbilder})
            bilder.BildAnhaengen(ordner.Pfad("b.bmp"), art);
        editor.Feld_Erstellen(40, 40, 5, 6, clGruen);
    }

    TZellenArt ArtBei(std::uint32_t s, std::uint32_t z) { return feld.ZelleBei(s, z).Art; }

    // A level that passes the check.
    void GueltigesFeldMalen() {
        editor.Malen(0, 0, zaSpieler1, 0);
        editor.Malen(5, 4, zaSpieler2, 0);
        editor.Malen(2, 2, zaUnzerstoerbar, 1);
        fenster.name = "Arena";
    }
};

}  // namespace

TEST_F(EditorTest, StartfelderUndRueckgaengig) {
    ASSERT_TRUE(editor.Malen(1, 1, zaSpieler1, 0));
    editor.Malen(3, 2, zaZerstoerbar, 1);
    ASSERT_TRUE(editor.Malen(3, 2, zaSpieler1, 0));  // over a block, moving the start
    EXPECT_TRUE(editor.StartVerschoben());
    // Undo restores only the second cell; the freed start cell stays free.
    editor.UndoClick();
    EXPECT_TRUE(feld.ZelleBei(3, 2) == (TZelle{zaZerstoerbar, 1, false}) && ArtBei(1, 1) == zaFrei);
    EXPECT_FALSE(fenster.befehle.second);

    // Painting over the other player's start leaves that player without one.
    editor.Malen(0, 0, zaSpieler2, 0);
    editor.Malen(0, 0, zaSpieler1, 0);
    EXPECT_FALSE(feld.ListeEnthaelt(zaSpieler2));
    // The current cell clicked again: the undo step holds its present content. A start cell
    // painted on its own cell is not moved.
    editor.Malen(2, 2, zaZerstoerbar, 0);
    editor.Malen(2, 2, zaZerstoerbar, 1);
    EXPECT_EQ(editor.UndoZelle(), (TZelle{zaZerstoerbar, 0, false}));
    editor.Malen(2, 2, zaZerstoerbar, 1);
    editor.UndoClick();
    EXPECT_EQ(feld.ZelleBei(2, 2), (TZelle{zaZerstoerbar, 1, false}));
    editor.Malen(0, 0, zaSpieler1, 0);
    EXPECT_FALSE(editor.StartVerschoben());
    // A painting clears the water mark of a cell.
    feld.KnotenBei(feld.IndexVon(1, 1))->Neu = true;
    editor.Malen(1, 1, zaFrei, 0);
    EXPECT_FALSE(feld.ZelleBei(1, 1).Neu);
}

TEST_F(EditorTest, WasserNurMitEinemBildUndNichtsOhneBildersatz) {
    ASSERT_TRUE(editor.Malen(0, 0, zaWasser, 0));
    EXPECT_FALSE(editor.Malen(1, 0, zaWasser, 1));  // silently refused
    EXPECT_TRUE(ArtBei(1, 0) == zaFrei && editor.UndoIndex() == feld.IndexVon(0, 0));
    // Once no water is left, another picture may be used.
    editor.Malen(0, 0, zaFrei, 0);
    EXPECT_TRUE(editor.Malen(2, 0, zaWasser, 1));

    bilder.AlleFreigeben();
    EXPECT_FALSE(editor.Malen(3, 3, zaUnzerstoerbar, 0));
    EXPECT_FALSE(editor.Malen(3, 3, zaWasser, 1));  // the picture of the water there
    EXPECT_TRUE(editor.Malen(3, 3, zaSpieler1, 0) && meldungen.Eintraege.empty());
}

TEST_F(EditorTest, SpeichernErstNachSpeichernUnter) {
    GueltigesFeldMalen();
    EXPECT_FALSE(editor.Feld_Speichern());  // Ctrl+S before any save under a new name
    fenster.speichern = {std::nullopt, pfad};
    EXPECT_FALSE(editor.Feld_SpeichernUnter());
    ASSERT_TRUE(editor.Feld_SpeichernUnter());
    EXPECT_TRUE(fenster.befehle.first);

    // Overwrite declined: nothing written, the command stays.
    editor.Malen(1, 1, zaZerstoerbar, 0);
    meldungen.Antworten = {TAntwort::Nein};
    fenster.speichern = {pfad};
    EXPECT_TRUE(!editor.Feld_SpeichernUnter() && LiesBytes(pfad)[6 * 7] == zaFrei);
    EXPECT_TRUE(editor.Feld_Speichern() && LiesBytes(pfad)[6 * 7] == zaZerstoerbar);

    // A failing check writes nothing and focuses the name box.
    fenster.name.clear();
    meldungen.Leeren();
    EXPECT_FALSE(editor.Feld_Speichern());
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{kNameFehlt});
    EXPECT_EQ(fenster.fokussiert, 1);

    // Without any picture the picture file would be empty and could not be read again.
    fenster.name = "Arena";
    bilder.AlleFreigeben();
    EXPECT_EQ(editor.AuswahlZeilen(zaZerstoerbar), 1u);  // one empty row to choose from
    meldungen.Leeren();
    const auto vorher = LiesBytes(pfad + ".bild");
    EXPECT_FALSE(editor.Feld_Speichern());
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{kKeineBilder});
    EXPECT_EQ(LiesBytes(pfad + ".bild"), vorher);

    // Reset: an empty level without a name, no binding, the undo step survives. Opening: a broken
    // level replaces nothing; a good one, unbound.
    editor.Btn_ResetClick();
    EXPECT_TRUE(!fenster.befehle.first && fenster.name.empty() && fenster.befehle.second);
    SchreibeBytes(ordner.Pfad("b.dat.all"), std::vector<unsigned char>(35, 0));
    fenster.oeffnen = {ordner.Pfad("b.dat"), pfad};
    editor.Feld_Oeffnen();
    EXPECT_TRUE(feld.AlleFrei());
    editor.Feld_Oeffnen();
    EXPECT_TRUE(ArtBei(1, 1) == zaZerstoerbar && fenster.name == "Arena" && !fenster.befehle.first);
}

TEST_F(EditorTest, GroessenaenderungFrageBeideWege) {
    TEditorEinstellungen w;
    w.Set_Einstellungen(feld.FeldDaten());
    w.SpielBreite = 10;
    // No keeps the old board and applies the colour; Yes gives an empty level of the new size;
    // a change of the colour alone asks nothing.
    for (int fall = 0; fall < 3; ++fall) {
        editor.Malen(1, 1, zaZerstoerbar, 0);
        w.Farbe = 0x10 * (fall + 1), fenster.einstellungen = w;
        fenster.neu = {};
        meldungen.Leeren();
        meldungen.Antworten = {fall == 1 ? TAntwort::Ja : TAntwort::Nein};
        editor.Btn_EditorEinstellungenClick();
        EXPECT_EQ(meldungen.Texte(), std::vector<std::string>(fall < 2, kFrageGroesse));
        EXPECT_EQ(feld.FeldDaten().Farbe, w.Farbe);
        EXPECT_TRUE(fenster.neu.first > 0 && fenster.neu.second > 0);  // both in the new colour
        EXPECT_EQ(feld.AnzahlKnoten(), fall == 0 ? 30u : 50u);
        EXPECT_EQ(ArtBei(1, 1), fall == 1 ? zaFrei : zaZerstoerbar);
        EXPECT_EQ(fenster.befehle.second, fall != 1);
    }
}

TEST_F(EditorTest, SchliessenFrageJedeAntwort) {
    // An all-free board closes without a question.
    fenster.name = "Nur ein Name";
    EXPECT_TRUE(editor.FormCloseQuery() && meldungen.Eintraege.empty());
    EXPECT_EQ(feld.AnzahlKnoten(), 0u);

    // Answers, save dialog, whether it closes; the check refuses when the start cells are missing.
    SchreibeBytes(pfad, {1, 2, 3});
    const std::tuple<std::deque<TAntwort>, bool, TDialog, bool> faelle[] = {
        {{TAntwort::Abbrechen}, true, {}, false},
        {{TAntwort::Ja}, false, {}, false},
        {{TAntwort::Ja}, true, {std::nullopt}, false},
        {{TAntwort::Ja, TAntwort::Nein}, true, {pfad}, false},  // overwrite declined
        {{TAntwort::Ja, TAntwort::Ja}, true, {pfad}, true},
        {{TAntwort::Nein}, false, {}, true},
    };
    for (const auto& [antworten, gueltig, dialog, zu] : faelle) {
        editor.Feld_Erstellen(40, 40, 5, 6, clGruen);
        editor.Malen(2, 2, zaZerstoerbar, 0);
        if (gueltig) GueltigesFeldMalen();
        meldungen.Leeren();
        meldungen.Antworten = antworten, fenster.speichern = dialog;
        EXPECT_TRUE(editor.FormCloseQuery() == zu && meldungen.Texte().front() == kFrageSpeichern);
        EXPECT_EQ(feld.AnzahlKnoten(), zu ? 0u : 30u);
    }
    EXPECT_EQ(LiesBytes(pfad).size(), 6u * 30);
}

TEST(EditorEinstellungen, BegrenzenUndStandardwerte) {
    TEditorEinstellungen e;
    e.Set_Einstellungen(TFeldDaten{"x", 30, 1, 200, 9, 0x00ABCDEF});
    EXPECT_TRUE(e == (TEditorEinstellungen{10, 100, 3, 25, 0x00ABCDEF}));
    // A clamped load reads back as a size change.
    EXPECT_FALSE(e.GroesseGleich(TFeldDaten{"x", 30, 1, 200, 9, 0}));
    EXPECT_TRUE(e.GroesseGleich(TFeldDaten{"y", 25, 3, 100, 10, 0}));
    EXPECT_TRUE(e.Uebernehmen(TFeldDaten{"Name", 5, 5, 5, 5, 0}) ==
                (TFeldDaten{"Name", 25, 3, 100, 10, 0x00ABCDEF}));
}
