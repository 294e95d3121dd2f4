#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <deque>

#include "editor/UEditorFeldTest.h"
#include "hilfen/TestHilfen.h"
#include "ui/UBildOrdner.h"
#include "ui/UDateiDialoge.h"
#include "ui/UFenster.h"
#include "ui/UProgrammDaten.h"
#include "ui/editor/UAuswahlGitter.h"
#include "ui/editor/UEditor.h"
#include "ui/editor/UEditorEinstellungen.h"
#include "ui/editor/UFeldGitter.h"

namespace {

void BmpAnlegen(const std::string& pfad, QRgb farbe) {
    QDir().mkpath(QFileInfo(QString::fromStdString(pfad)).absolutePath());
    QImage bild(8, 8, QImage::Format_RGB32);
    bild.fill(farbe);
    ASSERT_TRUE(bild.save(QString::fromStdString(pfad), "BMP"));
}

// File dialogs answered from a script; what they were asked is kept.
class TDialogAttrappe : public IDateiDialoge {
  public:
    std::string Oeffnen(QWidget*, const TDateiWahl& w) override {
        gefragt.push_back(w);
        return Naechster(oeffnen);
    }
    std::string Speichern(QWidget*, const TDateiWahl& w) override {
        gefragt.push_back(w);
        return Naechster(speichern);
    }
    std::string Ordner(QWidget*, const QString&, const QString&) override { return {}; }

    std::deque<std::string> oeffnen, speichern;
    std::vector<TDateiWahl> gefragt;

  private:
    static std::string Naechster(std::deque<std::string>& d) {
        if (d.empty()) return {};
        std::string a = d.front();
        d.pop_front();
        return a;
    }
};

constexpr QRgb kMauer = qRgb(90, 90, 90);
constexpr QRgb kKiste = qRgb(150, 100, 40);
constexpr QRgb kSee = qRgb(0, 0, 200);

struct EditorFensterTest : ::testing::Test {
    TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    TDialogAttrappe dialoge;
    TProgrammDaten p{meldungen, dialoge, ordner.Ordner(), 1};
    TFenster fenster;
    std::unique_ptr<TFrm_Editor> ed;

    void SetUp() override {
        BmpAnlegen(ordner.Pfad("Bilder/UnZerstoer/a_mauer.bmp"), kMauer);
        BmpAnlegen(ordner.Pfad("Bilder/UnZerstoer/b_kiste.bmp"), kKiste);
        BmpAnlegen(ordner.Pfad("Bilder/Wasser/see.bmp"), kSee);
        p.Bilder.StandardOrdner(ordner.Ordner());
        ed = std::make_unique<TFrm_Editor>(p, fenster);
        ed->Feld_Erstellen(40, 40, 5, 6, clGruen);
    }

    template <class T>
    T* Kind(const char* name) {
        T* w = ed->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    TFeldGitter* Gitter() { return Kind<TFeldGitter>("SG_Feld"); }
    TAuswahlGitter* Vorschau() { return Kind<TAuswahlGitter>("SG_Auswahl"); }
    QAction* Befehl(const char* name) { return Kind<QAction>(name); }

    void ArtWaehlen(const std::string& text) {
        Kind<QComboBox>("CB_Felder_Art")->setCurrentText(QString::fromStdString(text));
    }

    QPoint Mitte(int s, int z) { return Gitter()->ZellRechteck(s, z).center(); }

    void Maus(QEvent::Type typ, QPoint pos, Qt::MouseButtons knoepfe) {
        const Qt::MouseButton knopf = typ == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(typ, QPointF(pos), QPointF(Gitter()->mapToGlobal(pos)), knopf, knoepfe,
                      Qt::NoModifier);
        QApplication::sendEvent(Gitter(), &e);
    }
    void Klick(int s, int z) {
        Maus(QEvent::MouseButtonPress, Mitte(s, z), Qt::LeftButton);
        Maus(QEvent::MouseButtonRelease, Mitte(s, z), Qt::NoButton);
    }
    void Taste(int key) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(Gitter(), &e);
    }

    TZelle Zelle(int s, int z) { return p.Feld.ZelleBei(s, z); }
    QRgb Pixel(QPoint pt) { return Gitter()->grab().toImage().pixel(pt); }
};

}  // namespace

TEST_F(EditorFensterTest, SteuerelementeUndMenue) {
    for (const char* name : {"Ed_Spielfeldname", "SB_BmpLaden", "Btn_ResetBmp", "Btn_FeldTest",
                             "Btn_Reset", "Btn_Beenden", "RB_Spieler1", "RB_Wasser"})
        EXPECT_NE(ed->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(Kind<QLineEdit>("Ed_Spielfeldname")->maxLength(), 20);
    auto* art = Kind<QComboBox>("CB_Felder_Art");
    ASSERT_EQ(art->count(), 5);
    EXPECT_EQ(art->itemText(4), QStringLiteral("Spieler-Startfelder"));
    EXPECT_TRUE(art->isEditable());

    struct {
        const char* name;
        QKeySequence taste;
        bool aktiv;
    } const befehle[] = {
        {"Oeffnen", QKeySequence("Ctrl+O"), true},
        {"Speichern", QKeySequence("Ctrl+S"), false},
        {"Beenden", QKeySequence("Ctrl+Q"), true},
        {"Undo", QKeySequence("Ctrl+Z"), false},
        {"FelderZuruecksetzen", QKeySequence("Ctrl+R"), true},
    };
    for (const auto& b : befehle) {
        EXPECT_EQ(Befehl(b.name)->shortcut(), b.taste) << b.name;
        EXPECT_EQ(Befehl(b.name)->isEnabled(), b.aktiv) << b.name;
    }
    // Separators after "Öffnen...", "Speichern unter...", the undo command and "Editor".
    auto* datei = Kind<QMenu>("MM_Datei");
    ASSERT_EQ(datei->actions().size(), 6);
    EXPECT_TRUE(datei->actions()[1]->isSeparator() && datei->actions()[4]->isSeparator());
    EXPECT_TRUE(Kind<QMenu>("MM_Bearbeiten")->actions()[1]->isSeparator());
    EXPECT_TRUE(Kind<QMenu>("MM_Einstellungen")->actions()[1]->isSeparator());
}

TEST_F(EditorFensterTest, LayoutFolgtDemGitter) {
    EXPECT_EQ(Gitter()->size(), QSize(41 * 6 + 3, 41 * 5 + 3));
    auto* bereich = Kind<QScrollArea>("Pn_Feld");
    EXPECT_EQ(bereich->size(), Gitter()->size());
    for (const char* g : {"GB_Spielfeldname", "GB_Auswahl", "GB_BitmapLaden", "GB_Editor"})
        EXPECT_EQ(Kind<QGroupBox>(g)->x(), bereich->geometry().right() + 1 + 10) << g;
    auto* auswahl = Kind<QGroupBox>("GB_Auswahl");
    EXPECT_EQ(ed->width(), auswahl->x() + auswahl->width() + 15);
    EXPECT_EQ(ed->height(), 535);  // the minimum for a small level
    EXPECT_LE(Kind<QGroupBox>("GB_Editor")->geometry().bottom(), 535);

    ed->Feld_Erstellen(20, 30, 12, 3, clGruen);
    EXPECT_EQ(Gitter()->size(), QSize(31 * 3 + 3, 21 * 12 + 3));
    EXPECT_EQ(ed->height(), std::max(535, bereich->y() + Gitter()->height() + 60));
}

TEST_F(EditorFensterTest, GrosseFelderRollenImFenster) {
    // 25 x 25 cells of 100 px: the grid keeps its 2528 px, the window stays on the screen.
    ed->Feld_Erstellen(100, 100, 25, 25, clGruen);
    ed->show();
    EXPECT_EQ(Gitter()->size(), QSize(2528, 2528));
    auto* bereich = Kind<QScrollArea>("Pn_Feld");
    const QRect schirm = ed->screen()->availableGeometry();
    EXPECT_LE(ed->width(), schirm.width());
    EXPECT_LE(ed->height(), schirm.height());
    EXPECT_EQ(Kind<QGroupBox>("GB_Auswahl")->x(), bereich->geometry().right() + 1 + 10);

    // Moving with the arrow keys to the far corner paints there and scrolls it into view.
    ArtWaehlen(kAuswahlZerstoerbar);
    Klick(0, 0);
    for (int i = 0; i < 24; ++i) Taste(Qt::Key_Right);
    for (int i = 0; i < 24; ++i) Taste(Qt::Key_Down);
    EXPECT_EQ(Zelle(24, 24).Art, zaZerstoerbar);
    const QRect sichtbar(
        QPoint(bereich->horizontalScrollBar()->value(), bereich->verticalScrollBar()->value()),
        bereich->viewport()->size());
    EXPECT_TRUE(sichtbar.contains(Gitter()->ZellRechteck(24, 24)));
    ed->hide();
}

TEST_F(EditorFensterTest, MalenMitKlickZiehenUndPfeiltasten) {
    ArtWaehlen(kAuswahlZerstoerbar);
    Vorschau()->WaehleZeile(1);
    Klick(2, 1);
    EXPECT_EQ(Zelle(2, 1), (TZelle{zaZerstoerbar, 1, false}));
    EXPECT_TRUE(Befehl("Undo")->isEnabled());

    // Dragging paints every cell moved onto; without the button nothing is painted.
    ArtWaehlen(kAuswahlUnzerstoerbar);
    EXPECT_EQ(Vorschau()->Zeile(), 0);  // a new kind starts at the first picture
    Maus(QEvent::MouseButtonPress, Mitte(0, 3), Qt::LeftButton);
    for (int s = 1; s <= 3; ++s) Maus(QEvent::MouseMove, Mitte(s, 3), Qt::LeftButton);
    Maus(QEvent::MouseButtonRelease, Mitte(3, 3), Qt::NoButton);
    Maus(QEvent::MouseMove, Mitte(4, 3), Qt::NoButton);
    for (int s = 0; s <= 3; ++s) EXPECT_EQ(Zelle(s, 3).Art, zaUnzerstoerbar) << s;
    EXPECT_EQ(Zelle(4, 3).Art, zaFrei);

    // Arrow keys paint each newly current cell; at the border nothing changes.
    ArtWaehlen(kAuswahlStart);
    Kind<QRadioButton>("RB_Spieler2")->setChecked(true);
    Taste(Qt::Key_Up);
    Taste(Qt::Key_Right);
    EXPECT_EQ(Zelle(4, 2).Art, zaSpieler2);
    EXPECT_EQ(Zelle(3, 2).Art, zaFrei);  // the start cell moved
    Taste(Qt::Key_Right);
    Taste(Qt::Key_Right);
    EXPECT_EQ(Gitter()->AktuelleZelle(), QPoint(5, 2));

    Befehl("Undo")->trigger();
    EXPECT_EQ(Zelle(5, 2).Art, zaFrei);
    EXPECT_FALSE(Befehl("Undo")->isEnabled());

    // Typed text counts as a free cell.
    Kind<QComboBox>("CB_Felder_Art")->setEditText(QStringLiteral("irgendwas"));
    Klick(2, 1);
    EXPECT_EQ(Zelle(2, 1).Art, zaFrei);
}

TEST_F(EditorFensterTest, ZellenUndVorschauZeichnen) {
    ArtWaehlen(kAuswahlZerstoerbar);
    EXPECT_EQ(Vorschau()->Zeilen(), 2);
    EXPECT_EQ(Vorschau()->width(), 62);
    Vorschau()->WaehleZeile(1);
    Klick(1, 1);
    ArtWaehlen(kAuswahlWasser);
    EXPECT_EQ(Vorschau()->Zeilen(), 1);
    EXPECT_EQ(Vorschau()->width(), 45);
    Klick(0, 0);
    ArtWaehlen(kAuswahlStart);
    Klick(3, 3);

    EXPECT_EQ(Pixel(Mitte(1, 1)), kKiste);
    EXPECT_EQ(Pixel(Mitte(0, 0)), kSee);
    const QRect start = Gitter()->ZellRechteck(3, 3);
    EXPECT_EQ(Pixel(start.topLeft()), qRgb(0, 0, 255));
    EXPECT_EQ(Pixel(start.topLeft() + QPoint(3, 3)), qRgb(0, 0, 255));
    EXPECT_EQ(Pixel(start.topLeft() + QPoint(1, 1)), qRgb(0, 128, 0));

    // With the sets emptied, block and water cells show the field colour.
    p.Bilder.AlleFreigeben();
    EXPECT_EQ(Pixel(Mitte(1, 1)), qRgb(0, 128, 0));
    EXPECT_EQ(Pixel(Mitte(0, 0)), qRgb(0, 128, 0));
}

TEST_F(EditorFensterTest, BildDialog) {
    BmpAnlegen(ordner.Pfad("anderswo/lava.bmp"), qRgb(220, 50, 0));
    Kind<QRadioButton>("RB_Wasser")->setChecked(true);
    ArtWaehlen(kAuswahlWasser);
    dialoge.oeffnen = {ordner.Pfad("anderswo/lava.bmp")};
    Kind<QToolButton>("SB_BmpLaden")->click();
    EXPECT_EQ(dialoge.gefragt.back().Titel, QStringLiteral("Bild hinzufügen"));
    EXPECT_EQ(dialoge.gefragt.back().Filter, QStringLiteral("Bitmaps (*.bmp)"));
    EXPECT_EQ(Vorschau()->Zeilen(), 2);

    // A path the image file could not keep whole is refused before anything is loaded.
    dialoge.oeffnen = {"/" + std::string(300, 'x') + ".bmp"};
    Kind<QToolButton>("SB_BmpLaden")->click();
    ASSERT_EQ(meldungen.Eintraege.size(), 1u);
    EXPECT_EQ(meldungen.Eintraege[0].Typ, TBoxTyp::Fehler);
    EXPECT_EQ(p.Bilder.AnzahlBilder(kWasserbilder), 2u);
}

TEST_F(EditorFensterTest, SpeichernUnterUndOeffnen) {
    ArtWaehlen(kAuswahlStart);
    Klick(0, 0);
    Kind<QRadioButton>("RB_Spieler2")->setChecked(true);
    Klick(5, 4);
    ArtWaehlen(kAuswahlZerstoerbar);
    Vorschau()->WaehleZeile(1);
    Klick(2, 2);
    Kind<QLineEdit>("Ed_Spielfeldname")->setText(QStringLiteral("Kistenlager"));
    Kind<QPushButton>("Btn_FeldTest")->click();
    EXPECT_EQ(meldungen.Letzter(), kFeldOK);

    const std::string pfad = ordner.Pfad("kisten.dat");
    dialoge.speichern = {pfad};
    Befehl("SpeichernUnter")->trigger();
    const TDateiWahl& w = dialoge.gefragt.back();
    EXPECT_EQ(w.Filter, QStringLiteral("Editordateien (*.dat)"));
    EXPECT_EQ(w.Endung, QStringLiteral("dat"));
    EXPECT_FALSE(w.UeberschreibenFragen);  // asked once, by the level files
    EXPECT_TRUE(Befehl("Speichern")->isEnabled());
    const std::vector<TZelle> gemalt = p.Feld.Zellen();

    Kind<QPushButton>("Btn_Reset")->click();
    EXPECT_FALSE(Befehl("Speichern")->isEnabled());
    EXPECT_TRUE(Kind<QLineEdit>("Ed_Spielfeldname")->text().isEmpty());

    ed->Feld_Erstellen(10, 10, 3, 3, 0);
    dialoge.oeffnen = {pfad};
    Befehl("Oeffnen")->trigger();
    EXPECT_EQ(p.Feld.Zellen(), gemalt);
    EXPECT_EQ(Kind<QLineEdit>("Ed_Spielfeldname")->text(), QStringLiteral("Kistenlager"));
    EXPECT_EQ(Gitter()->size(), QSize(41 * 6 + 3, 41 * 5 + 3));
    EXPECT_EQ(Pixel(Mitte(2, 2)), kKiste);
}

TEST_F(EditorFensterTest, SchliessenGehtDurchDieFrage) {
    ed->show();
    ArtWaehlen(kAuswahlZerstoerbar);
    Klick(1, 1);
    // Yes while the check refuses the level: the editor stays open, the level intact.
    meldungen.Antworten = {TAntwort::Ja};
    EXPECT_FALSE(ed->close());
    EXPECT_TRUE(ed->isVisible());
    EXPECT_EQ(Zelle(1, 1).Art, zaZerstoerbar);

    // Escape goes through the same question.
    meldungen.Antworten = {TAntwort::Abbrechen};
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(ed.get(), &esc);
    EXPECT_TRUE(ed->isVisible());
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>({kFrageSpeichern, kNameFehlt, kFrageSpeichern}));

    meldungen.Antworten = {TAntwort::Nein};
    Kind<QPushButton>("Btn_Beenden")->click();
    EXPECT_FALSE(ed->isVisible());
    EXPECT_EQ(p.Feld.AnzahlKnoten(), 0u);
}

TEST_F(EditorFensterTest, GroessenaenderungUeberDenEinstellungsdialog) {
    ArtWaehlen(kAuswahlZerstoerbar);
    Klick(1, 1);
    // The dialog is answered by setting its fields and pressing OK.
    p.ModalZeigen = [&](QDialog& d) {
        auto* breite = d.findChild<QSpinBox*>(QStringLiteral("SE_Spiel_Breite"));
        EXPECT_EQ(breite->value(), 6);
        breite->setValue(8);
        static_cast<TFrm_Editoreinstellungen&>(d).FarbWahl = [](std::uint32_t) {
            return std::optional<std::uint32_t>(0x00FF0000);
        };
        d.findChild<QPushButton*>(QStringLiteral("Btn_Color"))->click();
        return int(QDialog::Accepted);
    };
    meldungen.Antworten = {TAntwort::Nein};
    Befehl("Btn_EditorEinstellungen")->trigger();
    EXPECT_EQ(meldungen.Letzter(), kFrageGroesse);
    EXPECT_EQ(Gitter()->width(), 41 * 6 + 3);
    EXPECT_EQ(Pixel(Mitte(4, 4)), qRgb(0, 0, 255));  // the new colour at once

    meldungen.Antworten = {TAntwort::Ja};
    Befehl("Btn_EditorEinstellungen")->trigger();
    EXPECT_EQ(Gitter()->width(), 41 * 8 + 3);
    EXPECT_TRUE(p.Feld.AlleFrei());
}

TEST_F(EditorFensterTest, BilderordnerAusDemMenue) {
    TFrm_BildOrdner bildOrdner(p);
    fenster.BildOrdner = &bildOrdner;
    BmpAnlegen(ordner.Pfad("neu/w1.bmp"), qRgb(1, 1, 1));
    BmpAnlegen(ordner.Pfad("neu/w2.bmp"), qRgb(2, 2, 2));
    ArtWaehlen(kAuswahlWasser);
    Klick(1, 1);
    p.ModalZeigen = [&](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("Ed_Wasser"))
            ->setText(QString::fromStdString(ordner.Pfad("neu") + "/"));
        return int(QDialog::Accepted);
    };
    Befehl("Btn_BilderOrdner")->trigger();
    EXPECT_EQ(Vorschau()->Zeilen(), 2);
    EXPECT_EQ(Zelle(1, 1), (TZelle{zaWasser, 0, false}));  // the board stays
    EXPECT_EQ(Pixel(Mitte(1, 1)), qRgb(1, 1, 1));
}

TEST_F(EditorFensterTest, BilderWerdenNurNachAenderungenSkaliert) {
    TBildZwischenspeicher speicher(p.Bilder);
    const QSize groesse(30, 20);
    EXPECT_EQ(speicher.Bild(5, kBlockbilder, groesse)->size(), groesse);  // beyond the end
    speicher.Bild(0, kWasserbilder, groesse);
    EXPECT_EQ(speicher.Skalierungen(), 1);
    speicher.Bild(0, kWasserbilder, QSize(40, 40));
    EXPECT_EQ(speicher.Skalierungen(), 2);
    BmpAnlegen(ordner.Pfad("x/neu.bmp"), kSee);
    p.Bilder.BildAnhaengen(ordner.Pfad("x/neu.bmp"), kBlockbilder);
    EXPECT_EQ(speicher.Bild(2, kBlockbilder, QSize(40, 40))->toImage().pixel(0, 0), kSee);
    EXPECT_EQ(speicher.Skalierungen(), 3);
    p.Bilder.AlleFreigeben();
    EXPECT_EQ(speicher.Bild(0, kBlockbilder, QSize(40, 40)), nullptr);
}

TEST(EditorEinstellungenFenster, BereicheTippenUndStandardwerte) {
    TFrm_Editoreinstellungen d;
    EXPECT_EQ(d.size(), QSize(592, 171));
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    auto* breite = d.findChild<QSpinBox*>(QStringLiteral("SE_Spiel_Breite"));
    auto* hoehe = d.findChild<QSpinBox*>(QStringLiteral("SE_Einzel_Hoehe"));
    ASSERT_TRUE(breite && hoehe);
    EXPECT_EQ(std::pair(breite->minimum(), breite->maximum()), std::pair(3, 25));
    EXPECT_EQ(std::pair(hoehe->minimum(), hoehe->maximum()), std::pair(10, 100));
    // Typing is ignored; the arrow keys step by one.
    breite->findChild<QLineEdit*>()->selectAll();
    QKeyEvent ziffer(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QApplication::sendEvent(breite, &ziffer);
    EXPECT_EQ(breite->value(), 20);
    QKeyEvent hoch(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(breite, &hoch);
    EXPECT_EQ(breite->value(), 21);

    // A level written elsewhere with 30 columns shows 25; the swatch shows the colour.
    d.Set_Einstellungen(TFeldDaten{"x", 30, 2, 5, 120, 0x00112233});
    EXPECT_TRUE(d.Werte() == (TEditorEinstellungen{100, 10, 3, 25, 0x00112233}));
    auto* farbfeld = d.findChild<QWidget*>(QStringLiteral("Shape_Color"));
    EXPECT_EQ(farbfeld->palette().color(QPalette::Window), QColor(0x33, 0x22, 0x11));

    // "Standardwerte", then "Abbrechen": nothing comes back; a cancelled colour changes nothing.
    auto zeigen = [&](bool ok) {
        return d.Zeigen(TFeldDaten{"x", 7, 7, 30, 30, 0x00FF00FF}, [&](QDialog&) {
            d.FarbWahl = [](std::uint32_t) { return std::optional<std::uint32_t>(); };
            d.findChild<QPushButton*>(QStringLiteral("Btn_Color"))->click();
            EXPECT_EQ(d.Farbe(), 0x00FF00FFu);
            d.findChild<QPushButton*>(QStringLiteral("Btn_Standard"))->click();
            return int(ok ? QDialog::Accepted : QDialog::Rejected);
        });
    };
    EXPECT_FALSE(zeigen(false).has_value());
    EXPECT_TRUE(zeigen(true) == (TEditorEinstellungen{40, 40, 16, 20, 0x008000}));
}
