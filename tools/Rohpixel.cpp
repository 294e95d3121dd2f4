// Writes an opaque PNG's pixels as they lie in memory (RGB32, rows without padding), so that the
// program can show the picture straight from its own read-only pages without decoding it at every
// start: a pixmap takes an opaque picture as RGB32 and would copy any other format. Run by the
// build:
//   knallfeld-rohpixel BILD.png AUSGABE BREITE HOEHE
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "Aufruf: %s BILD.png AUSGABE BREITE HOEHE\n", argv[0]);
        return 2;
    }
    QImageReader leser(QString::fromLocal8Bit(argv[1]), "png");
    leser.setAutoDetectImageFormat(false);
    const QImage gelesen = leser.read().convertToFormat(QImage::Format_ARGB32);
    // The program knows the size; a picture of another size is an error of the build.
    if (gelesen.width() != std::atoi(argv[3]) || gelesen.height() != std::atoi(argv[4])) {
        std::fprintf(stderr, "%s: kein PNG von %s x %s Pixeln (%s)\n", argv[1], argv[3], argv[4],
                     qPrintable(leser.errorString()));
        return 1;
    }
    for (int y = 0; y < gelesen.height(); ++y)
        for (int x = 0; x < gelesen.width(); ++x)
            if (qAlpha(gelesen.pixel(x, y)) != 255) {
                std::fprintf(stderr, "%s: durchsichtiges Pixel bei %d, %d\n", argv[1], x, y);
                return 1;
            }
    const QImage bild = gelesen.convertToFormat(QImage::Format_RGB32);
    QFile aus(QString::fromLocal8Bit(argv[2]));
    if (!aus.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s lässt sich nicht schreiben\n", argv[2]);
        return 1;
    }
    const qint64 zeile = qint64(bild.width()) * 4;
    for (int y = 0; y < bild.height(); ++y)
        if (aus.write(reinterpret_cast<const char*>(bild.constScanLine(y)), zeile) != zeile) {
            std::fprintf(stderr, "%s lässt sich nicht schreiben\n", argv[2]);
            return 1;
        }
    return aus.flush() ? 0 : 1;
}
