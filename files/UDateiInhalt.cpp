#include "files/UDateiInhalt.h"

#include <QFile>

#include "files/UPfad.h"

std::optional<std::string> DateiInhalt(const std::string& pfad, std::size_t max) {
    QFile f(QtPfad(pfad));
    if (!f.open(QIODevice::ReadOnly) || std::size_t(f.size()) > max) return std::nullopt;
    std::string inhalt(std::size_t(f.size()), '\0');
    if (f.read(inhalt.data(), qint64(inhalt.size())) != qint64(inhalt.size())) return std::nullopt;
    return inhalt;
}
