// Writes an opaque PNG in the program's compact form (files/UKompaktbild.h), so that the program
// can draw the picture without decoding a PNG at every start or keeping it decoded. Run by the
// build:
//   knallfeld-kompaktbild BILD.png AUSGABE BREITE HOEHE
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "files/UKompaktbild.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "Aufruf: %s BILD.png AUSGABE BREITE HOEHE\n", argv[0]);
        return 2;
    }
    QImageReader leser(QString::fromLocal8Bit(argv[1]), "png");
    leser.setAutoDetectImageFormat(false);
    const QImage bild = leser.read().convertToFormat(QImage::Format_ARGB32);
    // The program knows the size; a picture of another size is an error of the build.
    if (bild.width() != std::atoi(argv[3]) || bild.height() != std::atoi(argv[4])) {
        std::fprintf(stderr, "%s: kein PNG von %s x %s Pixeln (%s)\n", argv[1], argv[3], argv[4],
                     qPrintable(leser.errorString()));
        return 1;
    }
    std::vector<std::uint32_t> pixel;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            if (qAlpha(bild.pixel(x, y)) != 255) {
                std::fprintf(stderr, "%s: durchsichtiges Pixel bei %d, %d\n", argv[1], x, y);
                return 1;
            }
            pixel.push_back(bild.pixel(x, y));
        }
    const std::vector<std::uint8_t> daten = KompaktKodieren(pixel.data(), pixel.size());
    QFile aus(QString::fromLocal8Bit(argv[2]));
    if (!aus.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        aus.write(reinterpret_cast<const char*>(daten.data()), qint64(daten.size())) !=
            qint64(daten.size()) ||
        !aus.flush()) {
        std::fprintf(stderr, "%s lässt sich nicht schreiben\n", argv[2]);
        return 1;
    }
    return 0;
}
