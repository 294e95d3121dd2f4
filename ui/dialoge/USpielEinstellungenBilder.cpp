// The six pictures of the game settings dialog: the players' and the extras', each on a button
// that chooses another.
#include <QLabel>
#include <QToolButton>

#include "files/UPfad.h"
#include "ui/basis/UEingebauteBilder.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/dialoge/USpielEinstellungen.h"
#include "ui/programm/UProgrammDaten.h"

namespace {

const std::string kBildBenutzt = "Bild wird schon verwendet. Bitte ein anderes wählen!";

}  // namespace

QWidget* TFrm_Spieleinstellungen::BildKnopf(int nr, const QString& knopf, const QString& bild) {
    auto* sb = new QToolButton;
    sb->setObjectName(knopf);
    sb->setFixedSize(46, 46);
    sb->setAutoRaise(true);
    auto* im = new QLabel(sb);
    im->setObjectName(bild);
    im->setGeometry(3, 3, 40, 40);
    im->setScaledContents(true);
    im->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(sb, &QToolButton::clicked, this, [this, sb] { BildAuswahl(sb); });
    SB_Bilder[nr] = sb;
    Im_Bilder[nr] = im;
    return sb;
}

std::string& TFrm_Spieleinstellungen::BildPfad(TSpielRecEinstellungen& e, int nr) {
    switch (nr) {
        case 0:
            return e.Spieler1.Bild;
        case 1:
            return e.Spieler2.Bild;
        default:
            return e.ExtraBildPfad(TExtra(nr - 2));
    }
}

void TFrm_Spieleinstellungen::BildZeigen(int nr, const std::string& pfad, bool* ausDatei) {
    const TEingebaut ersatz = nr < 2 ? SpielerBild(nr + 1) : ExtraBild(TExtra(nr - 2));
    Im_Bilder[nr]->setPixmap(QPixmap::fromImage(BildOderEingebaut(pfad, ersatz, ausDatei)));
}

void TFrm_Spieleinstellungen::BilderLaden(TSpielRecEinstellungen& l) {
    for (int nr = 0; nr < 6; ++nr) {
        bool ausDatei = false;
        BildZeigen(nr, BildPfad(l, nr), &ausDatei);
        if (!ausDatei) BildPfad(l, nr).clear();
    }
}

void TFrm_Spieleinstellungen::BildAuswahl(QToolButton* sender) {
    int nr = 0;
    while (nr < 6 && SB_Bilder[nr] != sender) ++nr;
    if (nr == 6) return;
    TDateiWahl w;
    w.Titel = QStringLiteral("Bitte wählen Sie ein Bild aus");
    w.Filter = QStringLiteral("Bitmaps (*.bmp)");
    w.Endung = QStringLiteral(".bmp");
    w.MitVorschau = true;
    const std::string f = p_.Dialoge.Oeffnen(this, w);
    if (f.empty() || !PfadPasst(f, p_.Meldungen)) return;
    if (!BitmapLesbar(f)) {
        p_.Meldungen.Zeige(TBoxTyp::Fehler, "Die Datei " + f +
                                                " ist keine lesbare Bitmap und kann nicht "
                                                "verwendet werden.");
        return;
    }
    TSpielRecEinstellungen l = p_.Einstellungen.Arbeitskopie;
    if (nr < 2) {
        const std::string& anderes = BildPfad(l, 1 - nr);
        if (!anderes.empty() && Dateiname(anderes) == Dateiname(f)) {
            p_.Meldungen.Zeige(TBoxTyp::Warnung, kBildBenutzt);
            return;
        }
    }
    BildZeigen(nr, f);
    BildPfad(l, nr) = f;
    p_.Einstellungen.Arbeitskopie = l;
}
