// Writing into the output folder; a file that cannot be written is named on standard error.
#pragma once

#include <QImage>
#include <QString>

#include "files/URecords.h"

// datei is relative to ziel; missing folders are made.
bool Speichern(const QImage& bild, const QString& ziel, const QString& datei, const char* format);
bool Schreiben(const QString& ziel, const QString& datei, const TBytes& bytes);
