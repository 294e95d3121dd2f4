// Painting the match board and one step of play on small and huge levels, each against a
// yardstick measured in the same run: a full paint against one blit of a picture of the same
// size, and the huge level against the usual one. Run offscreen (QT_QPA_PLATFORM=offscreen).
//
// With a recording of two strong computers it also plays a minute of it with moving pictures and
// a minute without, against each other in processor time.
//
//   zeichnen_bench [PROGRAMMORDNER [AUFNAHME.kfw]]   (the folder with Bilder/ and Spielfelder/)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/massstab.h"
#include "files/UPfad.h"
#include "model/UZufall.h"
#include "ui/basis/UDateiDialoge.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/programm/UProgrammDaten.h"
#include "ui/spiel/USpielFenster.h"
#include "ui/spiel/USpielGitter.h"
#include "ui/vorlieben/UBildWahl.h"
#include "wiederholung/UAufnahmeDatei.h"

namespace {

class TLauteMeldungen : public IMeldungen {
  public:
    void Zeige(TBoxTyp, const std::string& text) override {
        std::fprintf(stderr, "Meldung: %s\n", text.c_str());
    }
    bool FrageJaNein(TBoxTyp, const std::string&) override { return true; }
    TAntwort FrageJaNeinAbbrechen(TBoxTyp, const std::string&) override { return TAntwort::Ja; }
};

// Counts the paints of the board, so that a step is only measured once it has been painted.
class TMalZaehler : public QObject {
  public:
    int Anzahl = 0;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++Anzahl;
        return QObject::eventFilter(o, e);
    }
};

// The program state with its match window on a screen of the usual size.
struct TUmgebung {
    explicit TUmgebung(const std::string& programmordner)
        : Daten(Meldungen, Dialoge, programmordner, 1) {
        Daten.Bilder.StandardOrdner(programmordner);
        Daten.Bilder.BilderNeuLaden();
        Fenster = std::make_unique<TFrm_Spiel>(Daten);
        Fenster->Bildschirmflaeche = [] { return QRect(0, 0, 1920, 1080); };
        Fenster->SG_Feld->installEventFilter(&Maler);
    }
    ~TUmgebung() { Fenster->Spiel().FormClose(); }

    // Pillars on odd rows and columns, blocks on most other cells, free corners for the
    // players and a pool of water in the middle, saved as a level file.
    std::string LevelAnlegen(const QString& ordner, const char* name, int breite, int hoehe,
                             int zelle) {
        TFeldDaten g;
        g.Name = name;
        g.SpielBreite = std::uint16_t(breite);
        g.SpielHoehe = std::uint16_t(hoehe);
        g.EinzelBreite = g.EinzelHoehe = std::uint16_t(zelle);
        TSpielfeld& f = Daten.Feld;
        f.SetzeFeldDaten(g);
        f.LoescheFeld();
        f.ErzeugeFeld(f.Zellenzahl());
        TZufall z(7);
        for (int r = 0; r < hoehe; ++r)
            for (int c = 0; c < breite; ++c) {
                TZelle zelle{zaFrei, 0, false};
                const bool ecke = r + c < 3 || (hoehe - 1 - r) + (breite - 1 - c) < 3;
                if (r % 2 == 1 && c % 2 == 1)
                    zelle = {zaUnzerstoerbar, std::uint16_t(z.Zufall(4)), false};
                else if (!ecke && z.Zufall(100) < 60)
                    zelle = {zaZerstoerbar, std::uint16_t(z.Zufall(4)), false};
                if (r == hoehe / 2 && c == breite / 2) zelle = {zaWasser, 0, false};
                TSpielfeld::SetzeZellenDaten(f.KnotenBei(f.IndexVon(c, r)), zelle);
            }
        TSpielfeld::SetzeZellenDaten(f.KnotenBei(f.IndexVon(0, 0)), {zaSpieler1, 0, false});
        TSpielfeld::SetzeZellenDaten(f.KnotenBei(f.IndexVon(breite - 1, hoehe - 1)),
                                     {zaSpieler2, 0, false});
        const std::string pfad = StdText(QDir(ordner).filePath(QString::fromLatin1(name)));
        if (Daten.Level.LevelSpeichernUnter(pfad) || Daten.Level.LevelSpeichern()) {
            std::fprintf(stderr, "Level %s lässt sich nicht speichern\n", pfad.c_str());
            std::exit(1);
        }
        f.LoescheFeld();
        return pfad;
    }

    // A match of two people on the level, shown and painted once.
    void MatchAuf(const std::string& level) {
        TEinstellungen& e = Daten.Einstellungen;
        e.Arbeitskopie = e.EinstellungenHolen();
        e.LevellisteLoeschen();
        e.LevelAnhaengen(level);
        e.LevelAnzahl = 1;
        if (!Fenster->MatchStarten()) {
            std::fprintf(stderr, "Match auf %s startet nicht\n", level.c_str());
            std::exit(1);
        }
        Fenster->show();
        Gemalt();
    }

    // Runs the event loop until the board has been painted again.
    void Gemalt() {
        const int vorher = Maler.Anzahl;
        QElapsedTimer t;
        t.start();
        while (Maler.Anzahl == vorher && t.elapsed() < 2000) QApplication::processEvents();
        if (Maler.Anzahl == vorher) {
            std::fprintf(stderr, "Das Feld wurde nicht gemalt\n");
            std::exit(1);
        }
    }

    TLauteMeldungen Meldungen;
    TQtDateiDialoge Dialoge;
    TProgrammDaten Daten;
    TMalZaehler Maler;
    std::unique_ptr<TFrm_Spiel> Fenster;
};

// Both in turns, batch after batch; the fastest batch of each counts, as noise only adds.
struct TVergleich {
    double Arbeit = 1e30, Massstab = 1e30;
    double Verhaeltnis() const { return Arbeit / Massstab; }
};

TVergleich Vergleichen(const std::function<void()>& arbeit, const std::function<void()>& massstab,
                       int mal, int runden) {
    TVergleich v;
    arbeit();  // pictures scaled once per round are not part of a paint
    massstab();
    for (int r = 0; r < runden; ++r) {
        v.Arbeit = std::min(v.Arbeit, Sekunden(arbeit, mal));
        v.Massstab = std::min(v.Massstab, Sekunden(massstab, mal));
    }
    return v;
}

// One full paint of the board against one blit of a picture of the board's size (or of the
// size given: the whole screen).
void MalenMessen(TUmgebung& u, const char* name, int mal, QSize blitGroesse = {}) {
    TSpielGitter* gitter = u.Fenster->SG_Feld;
    QImage ziel(gitter->size(), QImage::Format_RGB32);
    auto malen = [&] { gitter->render(&ziel, QPoint(), QRegion(), QWidget::RenderFlags()); };
    malen();
    TBlit blit(blitGroesse.isValid() ? ziel.scaled(blitGroesse) : ziel.copy());
    const TVergleich v = Vergleichen(malen, blit, mal, 15);
    std::fprintf(stderr, "%s: %d x %d, paint %.3f ms, blit of %d x %d %.3f ms\n", name,
                 ziel.width(), ziel.height(), v.Arbeit * 1e3, blit.Groesse().width(),
                 blit.Groesse().height(), v.Massstab * 1e3);
    Budget(name, v.Verhaeltnis(), 4.0);
}

// A key press of player 1 (one step sideways, back on the next call), the repaint it causes and
// one step of the water, as the running game does them.
struct TSchritte {
    TUmgebung& U;
    bool rechts = true;

    void operator()() {
        TSpiel& s = U.Fenster->Spiel();
        const TSpielRecEinstellungen e = U.Daten.Einstellungen.EinstellungenHolen();
        s.Verzoegerung(1);  // the player's waiting time is over
        s.SpielerTasteDrucken(rechts ? e.Spieler1.TasteRechts : e.Spieler1.TasteLinks);
        rechts = !rechts;
        s.WasserTimer();
        U.Gemalt();
    }
};

double SchritteMessen(TUmgebung& u, const std::string& level, int schritte, int runden) {
    u.MatchAuf(level);
    TSchritte schritt{u};
    double best = 1e30;
    for (int r = 0; r < runden; ++r) {
        // Every batch on a fresh round, so that the water spreads alike in each.
        u.Fenster->Spiel().Neustart();
        u.Gemalt();
        schritt.rechts = true;
        best = std::min(best, Sekunden(schritt, schritte));
    }
    return best;
}

// One frame of a board in motion against one blit of the board: half its rows burning or with a
// bomb, the flames a quarter through their time, every cell drawn.
void BewegtMessen(TUmgebung& u) {
    TSpielGitter* gitter = u.Fenster->SG_Feld;
    std::uint64_t zeit = 0;
    gitter->BewegungEinrichten(true, [&zeit] { return zeit; });
    gitter->RundeBeginnt(BewegungsDauer(u.Daten.Einstellungen.EinstellungenHolen()));
    TSpielfeld& f = u.Daten.Feld;
    const TFeldDaten& g = f.FeldDaten();
    for (std::uint32_t r = 0; r < g.SpielHoehe; r += 2)
        for (std::uint32_t c = 0; c < g.SpielBreite; ++c)
            f.SetzeZelleBei(f.IndexVon(c, r), c % 4 == 3 ? zaBombe : zaExplosion, 0);
    gitter->FeldGeaendert(u.Fenster->Spiel().Daten().Bomben);
    zeit = 500;
    QImage ziel(gitter->size(), QImage::Format_RGB32);
    auto malen = [&] { gitter->render(&ziel, QPoint(), QRegion(), QWidget::RenderFlags()); };
    malen();
    TBlit blit(ziel.copy());
    const TVergleich v = Vergleichen(malen, blit, 3, 15);
    std::fprintf(stderr, "paint-animated: %d x %d, frame %.3f ms, blit %.3f ms\n", ziel.width(),
                 ziel.height(), v.Arbeit * 1e3, v.Massstab * 1e3);
    Budget("paint-animated", v.Verhaeltnis(), 4.0);
}

// Processor seconds of the whole program while the replay plays for `sekunden`.
double Abspielen(TUmgebung& u, const TAufnahme& a, bool bewegt, int sekunden) {
    BewegteBilderSpeichern(bewegt);
    if (!u.Fenster->WiederholungStarten(a)) {
        std::fprintf(stderr, "Die Wiederholung startet nicht\n");
        std::exit(1);
    }
    u.Fenster->show();
    timespec t0{}, t1{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t0);
    // The event loop sleeps while nothing is due, as the game's does.
    QEventLoop schleife;
    QTimer::singleShot(sekunden * 1000, &schleife, &QEventLoop::quit);
    schleife.exec();
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t1);
    return double(t1.tv_sec - t0.tv_sec) + double(t1.tv_nsec - t0.tv_nsec) / 1e9;
}

QtMessageHandler qtMeldungen = nullptr;

// The offscreen platform says so on every fixed-size window; it is no news here.
void MeldungFiltern(QtMsgType typ, const QMessageLogContext& ort, const QString& text) {
    if (!text.contains(QLatin1String("propagateSizeHints"))) qtMeldungen(typ, ort, text);
}

}  // namespace

int main(int argc, char** argv) {
    qtMeldungen = qInstallMessageHandler(MeldungFiltern);
    // "Bewegte Bilder" is switched here; the player's own preferences stay untouched.
    QTemporaryDir vorlieben;
    qputenv("XDG_CONFIG_HOME", vorlieben.path().toUtf8());
    QApplication app(argc, argv);
    std::string ordner =
        argc > 1 ? StdText(QDir(QString::fromLocal8Bit(argv[1])).absolutePath()) : Programmordner();
    if (ordner.empty() || ordner.back() != '/') ordner += '/';
    QTemporaryDir temp;
    TUmgebung u(ordner);

    // The usual board from the sample levels: 20 x 16 cells of 40 pixels.
    u.MatchAuf(ordner + "Spielfelder/Arena.dat");
    MalenMessen(u, "paint-default", 20);

    // The same board in a window the player made 3840 x 2160 (a full screen): cells scaled.
    u.Fenster->resize(3840, 2160);
    u.Gemalt();
    if (!u.Fenster->EigeneGroesse() || u.Fenster->SG_Feld->Zelle().width() <= 40) {
        std::fprintf(stderr, "Das Feld wurde nicht vergrößert\n");
        return 1;
    }
    MalenMessen(u, "paint-fullscreen", 10, QSize(3840, 2160));

    // The largest board the window shows in full size: 25 x 25 cells of 100 pixels.
    u.MatchAuf(u.LevelAnlegen(temp.path(), "Gross.dat", 25, 25, 100));
    MalenMessen(u, "paint-largest", 3);
    BewegtMessen(u);

    // 255 x 255 against 20 x 16: a step may cost at most the ratio of their cell counts.
    const std::string normal = u.LevelAnlegen(temp.path(), "Normal.dat", 20, 16, 40);
    const std::string riesig = u.LevelAnlegen(temp.path(), "Riesig.dat", 255, 255, 40);
    double tNormal = 1e30, tRiesig = 1e30;
    for (int i = 0; i < 3; ++i) {
        tNormal = std::min(tNormal, SchritteMessen(u, normal, 10, 5));
        tRiesig = std::min(tRiesig, SchritteMessen(u, riesig, 10, 5));
    }
    const double zellen = (255.0 * 255.0) / (20.0 * 16.0);
    std::fprintf(stderr, "big-level: step on 20 x 16 %.3f ms, on 255 x 255 %.3f ms\n",
                 tNormal * 1e3, tRiesig * 1e3);
    Budget("big-level", tRiesig / tNormal, zellen);

    if (argc > 2) {
        TAufnahme a;
        if (const std::string fehler = AufnahmeLesen(argv[2], a); !fehler.empty()) {
            std::fprintf(stderr, "%s\n", fehler.c_str());
            return 1;
        }
        const int sekunden = 60;
        const double ohne = Abspielen(u, a, false, sekunden);
        const double mit = Abspielen(u, a, true, sekunden);
        std::fprintf(stderr, "motion-cpu: a minute of the replay %.3f s without, %.3f s with\n",
                     ohne, mit);
        Budget("motion-cpu", mit / ohne, 8.0);
    }
    return 0;
}
