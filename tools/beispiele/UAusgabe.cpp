#include "tools/beispiele/UAusgabe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

QString Pfad(const QString& ziel, const QString& datei) {
    const QString pfad = ziel + "/" + datei;
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    return pfad;
}

bool Gescheitert(const QString& pfad) {
    std::fprintf(stderr, "Die Datei %s kann nicht geschrieben werden.\n", qPrintable(pfad));
    return false;
}

}  // namespace

bool Speichern(const QImage& bild, const QString& ziel, const QString& datei, const char* format) {
    const QString pfad = Pfad(ziel, datei);
    return bild.save(pfad, format) || Gescheitert(pfad);
}

bool Schreiben(const QString& ziel, const QString& datei, const TBytes& bytes) {
    const QString pfad = Pfad(ziel, datei);
    QFile f(pfad);
    const bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
                        qint64(bytes.size());
    return ok || Gescheitert(pfad);
}
