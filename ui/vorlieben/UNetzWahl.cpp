#include "ui/vorlieben/UNetzWahl.h"

#include <QSettings>

#include "netz/UNetzProtokoll.h"

TNetzWahl NetzWahlLesen() {
    const QSettings s(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"));
    TNetzWahl w;
    w.Eroeffnen = s.value(QStringLiteral("Netz/Eroeffnen"), true).toBool();
    w.Adresse = s.value(QStringLiteral("Netz/Adresse")).toString().toStdString();
    // A hand-edited port out of range is the default one.
    bool zahl = false;
    const int port = s.value(QStringLiteral("Netz/Port"), kNetzStandardPort).toInt(&zahl);
    w.Port = zahl && port >= 1 && port <= 65535 ? std::uint16_t(port) : kNetzStandardPort;
    w.Name = s.value(QStringLiteral("Netz/Name")).toString().toStdString();
    w.Computer = s.value(QStringLiteral("Netz/Computer"), false).toBool();
    return w;
}

void NetzWahlSpeichern(const TNetzWahl& w) {
    QSettings s(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"));
    s.setValue(QStringLiteral("Netz/Eroeffnen"), w.Eroeffnen);
    s.setValue(QStringLiteral("Netz/Adresse"), QString::fromStdString(w.Adresse));
    s.setValue(QStringLiteral("Netz/Port"), int(w.Port));
    s.setValue(QStringLiteral("Netz/Name"), QString::fromStdString(w.Name));
    s.setValue(QStringLiteral("Netz/Computer"), w.Computer);
}
