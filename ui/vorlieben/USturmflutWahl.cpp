#include "ui/vorlieben/USturmflutWahl.h"

#include <QSettings>

#include "model/USturmRinge.h"

namespace {
const QString kSchluessel = QStringLiteral("Spiel/Sturmflut");
}  // namespace

std::uint8_t SturmflutWahlLesen() {
    const QSettings s(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"));
    bool zahl = false;
    const int minuten = s.value(kSchluessel).toString().toInt(&zahl);
    // Anything else (a hand-edited file too) is no flood.
    return zahl && minuten >= 1 && minuten <= kSturmflutMaxMinuten ? std::uint8_t(minuten) : 0;
}

void SturmflutWahlSpeichern(std::uint8_t minuten) {
    QSettings s(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"));
    s.setValue(kSchluessel, minuten == 0 ? QStringLiteral("aus") : QString::number(minuten));
}
