#include "ui/programm/UHighscoreOrt.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "files/UHighscore.h"
#include "files/UPfad.h"

std::string THighscoreOrt::LeseDatei() const {
    return QFileInfo::exists(QtPfad(Datei)) ? Datei : Vorlage;
}

std::string THighscoreOrt::SchreibDatei() const {
    // A folder that cannot be made shows up as the save's own file error.
    QDir().mkpath(QFileInfo(QtPfad(Datei)).absolutePath());
    return Datei;
}

THighscoreOrt HighscoreOrtWaehlen(bool programmordnerBeschreibbar,
                                  const std::string& programmordner,
                                  const std::string& datenordner) {
    const std::string mitgeliefert = HighscorePfad(programmordner);
    if (programmordnerBeschreibbar || datenordner.empty()) return {mitgeliefert, mitgeliefert};
    return {HighscorePfad(datenordner), mitgeliefert};
}

bool OrdnerBeschreibbar(const std::string& ordner) {
    const QFileInfo info(QtPfad(ordner));
    // Root may write anywhere; a folder its owner made read-only counts as read-only all the same,
    // as a file does for the file checks.
    return info.isDir() && info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

std::string BenutzerDatenordner() {
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (ordner.isEmpty()) return "";
    return (ordner + QLatin1Char('/')).toStdString();
}
