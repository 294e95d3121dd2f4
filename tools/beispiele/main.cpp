// Draws the built-in pictures, the default block and water bitmaps and writes the sample levels
// from their maps (tools/beispiele/level, the format in UKarte.h). Its output is kept in the
// repository; run it again only to change the artwork or the levels:
//   build/knallfeld-beispiele /path/to/repository [MAP FOLDER]
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "tools/beispiele/UAusgabe.h"
#include "tools/beispiele/UBilder.h"
#include "tools/beispiele/UKarte.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "Aufruf: knallfeld-beispiele REPOSITORY [KARTENORDNER]\n");
        return 2;
    }
    const QString ziel = QString::fromLocal8Bit(argv[1]);

    // Every map is read before anything is written, so a broken one leaves the output as it was.
    std::vector<TLevelPlan> plaene;
    std::vector<std::string> kartenFehler;
    if (!KartenLesen(argc > 2 ? argv[2] : KNALLFELD_KARTEN, plaene, kartenFehler)) {
        for (const std::string& f : kartenFehler) std::fprintf(stderr, "%s\n", f.c_str());
        std::fprintf(stderr, "Nichts geschrieben.\n");
        return 1;
    }

    const struct {
        QImage Bild;
        const char* Datei;
    } bilder[] = {
        {Explosion(), "resources/bilder/explosion.png"},
        {Bombe(), "resources/bilder/bombe.png"},
        {Tot(), "resources/bilder/tot.png"},
        {Spieler(1), "resources/bilder/spieler1.png"},
        {Spieler(2), "resources/bilder/spieler2.png"},
        {Werfen(), "resources/bilder/werfen.png"},
        {MehrBomben(), "resources/bilder/mehrbomben.png"},
        {Unverwundbar(), "resources/bilder/unverwundbar.png"},
        {Krankheit(), "resources/bilder/krankheit.png"},
        {Titel(1), "resources/bilder/titel.png"},
        {Titel(2), "resources/bilder/titel@2x.png"},
        {Fels(), "Bilder/UnZerstoer/fels.bmp"},
        {Kiste(), "Bilder/UnZerstoer/kiste.bmp"},
        {Mauer(), "Bilder/UnZerstoer/mauer.bmp"},
        {Ziegel(), "Bilder/UnZerstoer/ziegel.bmp"},
        {Wasser(0), "Bilder/Wasser/wasser1.bmp"},
        {Wasser(1), "Bilder/Wasser/wasser2.bmp"},
    };
    int fehler = 0;
    for (const auto& b : bilder) {
        const QString datei = QString::fromLatin1(b.Datei);
        fehler += !Speichern(b.Bild, ziel, datei, datei.endsWith(".png") ? "PNG" : "BMP");
    }
    for (const TLevelPlan& plan : plaene)
        fehler += !LevelSchreiben(plan, ziel) + !Vorschau(plan, ziel);

    QFile hsk(ziel + "/Highscore.hsk");
    if (!hsk.exists() && hsk.open(QIODevice::WriteOnly)) hsk.close();
    return fehler == 0 ? 0 : 1;
}
