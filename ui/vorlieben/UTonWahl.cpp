#include "ui/vorlieben/UTonWahl.h"

#include <QSettings>
#include <algorithm>

namespace {
QSettings Vorlieben() {
    return QSettings(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"));
}
}  // namespace

TTonWahl TonWahlLesen() {
    const QSettings s = Vorlieben();
    TTonWahl w;
    w.An = s.value(QStringLiteral("Ton/An"), w.An).toBool();
    w.Lautstaerke =
        std::clamp(s.value(QStringLiteral("Ton/Lautstaerke"), w.Lautstaerke).toInt(), 0, 100);
    return w;
}

void TonWahlSpeichern(const TTonWahl& w) {
    QSettings s = Vorlieben();
    s.setValue(QStringLiteral("Ton/An"), w.An);
    s.setValue(QStringLiteral("Ton/Lautstaerke"), w.Lautstaerke);
}
