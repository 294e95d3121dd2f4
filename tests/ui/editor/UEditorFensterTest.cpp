#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include "editor/UEditorFeldTest.h"
#include "ui/UiHilfen.h"
#include "ui/editor/UAuswahlGitter.h"
#include "ui/editor/UEditorEinstellungen.h"
#include "ui/editor/UEditorFenster.h"
#include "ui/editor/UFeldGitter.h"
#include "ui/programm/UFenster.h"

namespace {

constexpr QRgb kKiste = qRgb(150, 100, 40), kSee = qRgb(0, 0, 200), kGruen = qRgb(0, 128, 0);

struct EditorFensterTest : ::testing::Test {
    TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    TDialogSkript dialoge;
    TProgrammDaten p{meldungen, dialoge, ordner.Ordner(), 1};
    TFenster fenster;
    std::unique_ptr<TFrm_Editor> ed;

    void SetUp() override {
        BitmapAnlegen(ordner.Pfad("Bilder/UnZerstoer/a_mauer.bmp"), qRgb(90, 90, 90));
        BitmapAnlegen(ordner.Pfad("Bilder/UnZerstoer/b_kiste.bmp"), kKiste);
        BitmapAnlegen(ordner.Pfad("Bilder/Wasser/see.bmp"), kSee);
        p.Bilder.StandardOrdner(ordner.Ordner());
        TFrm_Editor::Programmstart(p);
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
    QScrollArea* Bereich() { return Kind<QScrollArea>("Pn_Feld"); }
    QAction* Befehl(const char* name) { return Kind<QAction>(name); }
    void ArtWaehlen(const std::string& text, int bild = 0) {
        Kind<QComboBox>("CB_Felder_Art")->setCurrentText(QString::fromStdString(text));
        Kind<TAuswahlGitter>("SG_Auswahl")->WaehleZeile(bild);
    }
    void Maus(QEvent::Type typ, int s, int z, Qt::MouseButtons knoepfe) {
        const Qt::MouseButton knopf = typ == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const QPoint pos = Gitter()->ZellRechteck(s, z).center();
        QMouseEvent e(typ, QPointF(pos), QPointF(Gitter()->mapToGlobal(pos)), knopf, knoepfe,
                      Qt::NoModifier);
        QApplication::sendEvent(Gitter(), &e);
    }
    void Klick(int s, int z) {
        Maus(QEvent::MouseButtonPress, s, z, Qt::LeftButton);
        Maus(QEvent::MouseButtonRelease, s, z, Qt::NoButton);
    }
    void Taste(int key, int mal = 1) {
        for (int i = 0; i < mal; ++i) Druecken(Gitter(), key);
    }
    TZelle Zelle(int s, int z) { return p.Feld.ZelleBei(s, z); }
    QRgb Pixel(int s, int z, QPoint d = {-1, -1}) {
        const QRect r = Gitter()->ZellRechteck(s, z);
        return Gitter()->grab().toImage().pixel(d.x() < 0 ? r.center() : r.topLeft() + d);
    }
};

}  // namespace

TEST_F(EditorFensterTest, LayoutUndGrosseFelderRollen) {
    // 25 x 25 cells of 100 px: (EB + 1) x B + 3 = 2528 px, the window stays on the screen.
    ed->Feld_Erstellen(100, 100, 25, 25, clGruen);
    ed->show();
    EXPECT_EQ(Gitter()->size(), QSize(2528, 2528));
    EXPECT_TRUE(ed->screen()->availableGeometry().contains(QRect(QPoint(), ed->size())));
    // Moving with the arrow keys to the far corner paints there and scrolls it into view.
    ArtWaehlen(kAuswahlZerstoerbar);
    Klick(0, 0);
    Taste(Qt::Key_Right, 24);
    Taste(Qt::Key_Down, 24);
    EXPECT_EQ(Zelle(24, 24).Art, zaZerstoerbar);
    const QRect sichtbar(
        QPoint(Bereich()->horizontalScrollBar()->value(), Bereich()->verticalScrollBar()->value()),
        Bereich()->viewport()->size());
    EXPECT_TRUE(sichtbar.contains(Gitter()->ZellRechteck(24, 24)));
    ed->hide();
}

TEST_F(EditorFensterTest, MalenUndZeichnen) {
    // A click paints the chosen picture; dragging paints every cell moved onto, and nothing
    // once the button is up.
    ArtWaehlen(kAuswahlZerstoerbar, 1);
    Klick(2, 1);
    ArtWaehlen(kAuswahlUnzerstoerbar);
    Maus(QEvent::MouseButtonPress, 0, 3, Qt::LeftButton);
    for (int s = 1; s <= 3; ++s) Maus(QEvent::MouseMove, s, 3, Qt::LeftButton);
    Maus(QEvent::MouseButtonRelease, 3, 3, Qt::NoButton);
    Maus(QEvent::MouseMove, 4, 3, Qt::NoButton);
    for (int s = 0; s <= 4; ++s) EXPECT_EQ(Zelle(s, 3).Art, s < 4 ? zaUnzerstoerbar : zaFrei) << s;
    ArtWaehlen(kAuswahlWasser);
    Klick(0, 0);
    ArtWaehlen(kAuswahlStart);
    Klick(5, 4);

    EXPECT_TRUE(Pixel(2, 1) == kKiste && Pixel(0, 0) == kSee);
    EXPECT_EQ(Pixel(5, 4, {3, 3}), qRgb(0, 0, 255));  // player 1's square
    // With the sets emptied, block cells show the field colour.
    p.Bilder.AlleFreigeben();
    EXPECT_EQ(Pixel(2, 1), kGruen);
}

TEST_F(EditorFensterTest, SpeichernUnterUndOeffnen) {
    ArtWaehlen(kAuswahlStart);
    Klick(0, 0);
    Kind<QRadioButton>("RB_Spieler2")->setChecked(true);
    Klick(5, 4);
    ArtWaehlen(kAuswahlZerstoerbar, 1);
    Klick(2, 2);
    // Typed or pasted, the name takes only what the general file can store.
    QLineEdit* name = Kind<QLineEdit>("Ed_Spielfeldname");
    name->clear();
    for (const QString& teil : {QStringLiteral("Kisten"), QStringLiteral("ł"),
                                QStringLiteral("lager€"), QStringLiteral("日本")})
        name->insert(teil);
    EXPECT_EQ(name->text(), QStringLiteral("Kistenlager€"));
    name->setText(QStringLiteral("Kistenlager"));
    // A save path the level list could not hold later is refused, and nothing is written.
    const std::string lodz = ordner.Pfad("Łódź.dat");
    dialoge.Dateien = {lodz};
    Befehl("SpeichernUnter")->trigger();
    EXPECT_NE(meldungen.Letzter().find("das Zeichen \"Ł\""), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(lodz)));
    const std::string pfad = ordner.Pfad("kisten.dat");
    dialoge.Dateien = {pfad};
    Befehl("SpeichernUnter")->trigger();
    EXPECT_FALSE(dialoge.Gefragt.back().UeberschreibenFragen);  // the level files ask once
    const std::vector<TZelle> gemalt = p.Feld.Zellen();

    Kind<QPushButton>("Btn_Reset")->click();
    EXPECT_FALSE(Befehl("Speichern")->isEnabled());
    dialoge.Dateien = {pfad};
    Befehl("Oeffnen")->trigger();
    EXPECT_TRUE(p.Feld.Zellen() == gemalt && name->text() == "Kistenlager");
}

TEST_F(EditorFensterTest, SchliessenGehtDurchDieFrage) {
    ed->show();
    ArtWaehlen(kAuswahlZerstoerbar);
    Klick(1, 1);
    // Yes while the check refuses the level: the editor stays open. Escape asks the same.
    meldungen.Antworten = {TAntwort::Ja};
    EXPECT_FALSE(ed->close());
    meldungen.Antworten = {TAntwort::Abbrechen};
    Druecken(ed.get(), Qt::Key_Escape);
    EXPECT_TRUE(ed->isVisible());
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>({kFrageSpeichern, kNameFehlt, kFrageSpeichern}));
    meldungen.Antworten = {TAntwort::Nein};
    Kind<QPushButton>("Btn_Beenden")->click();
    EXPECT_FALSE(ed->isVisible());
}

TEST(EditorEinstellungenFenster, StandardwerteUndAbbrechen) {
    // "Standardwerte", then "Abbrechen": nothing comes back; a cancelled colour changes nothing.
    TFrm_Editoreinstellungen d;
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
