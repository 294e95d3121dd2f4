#include "ui/basis/UQtMeldungen.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

namespace {

struct TGesehen {
    QMessageBox::Icon Symbol = QMessageBox::NoIcon;
    QStringList Knoepfe;
    Qt::TextFormat Format = Qt::AutoText;
};

// Calls aufruf; the box it opens is looked at and the button with this text pressed.
template <typename F>
TGesehen Mit(const QString& knopf, F aufruf) {
    auto gesehen = std::make_shared<TGesehen>();
    QTimer::singleShot(0, [gesehen, knopf] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        gesehen->Symbol = box->icon(), gesehen->Format = box->textFormat();
        QAbstractButton* gesucht = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            gesehen->Knoepfe << b->text().remove('&');
            if (gesehen->Knoepfe.back() == knopf) gesucht = b;
        }
        // Without the button (English texts, say) the box is closed all the same: a failure,
        // not a test that waits for ever.
        gesucht ? gesucht->click() : box->done(-1);
    });
    aufruf();
    return *gesehen;
}

bool UebersetzungGelesen() {
    QFile karte(QStringLiteral("/proc/self/maps"));
    return karte.open(QIODevice::ReadOnly) && karte.readAll().contains("qtbase_de.qm");
}

}  // namespace

TEST(UQtMeldungen, BoxtypenKnoepfeUndDeutscheTexte) {
    // Qt's German texts are read with the first box that needs one, not at start.
    ASSERT_TRUE(DeutscheUebersetzungLaden(*qApp));
    QApplication::processEvents();
    EXPECT_FALSE(UebersetzungGelesen());
    TQtMeldungen m;
    TGesehen g = Mit("OK", [&] { m.Zeige(TBoxTyp::Fehler, "<b>Anna</b> gewinnt!"); });
    EXPECT_TRUE(g.Symbol == QMessageBox::Critical && g.Knoepfe == QStringList{"OK"});
    // Names in messages come from files: never markup.
    EXPECT_EQ(g.Format, Qt::PlainText);

    bool ja = false;
    g = Mit("Ja", [&] { ja = m.FrageJaNein(TBoxTyp::Warnung, "Überschreiben?"); });
    EXPECT_TRUE(ja && g.Symbol == QMessageBox::Warning && g.Knoepfe.size() == 2);

    TAntwort a = TAntwort::Ja;
    g = Mit("Nein", [&] { a = m.FrageJaNeinAbbrechen(TBoxTyp::Bestaetigung, "?"); });
    EXPECT_TRUE(a == TAntwort::Nein && g.Knoepfe.size() == 3 && UebersetzungGelesen());
}
