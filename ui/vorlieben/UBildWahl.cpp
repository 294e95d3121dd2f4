#include "ui/vorlieben/UBildWahl.h"

#include <QSettings>

namespace {
const QString kSchluessel = QStringLiteral("Bild/Bewegt");
}

bool BewegteBilderLesen() {
    return QSettings(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"))
        .value(kSchluessel, true)
        .toBool();
}

void BewegteBilderSpeichern(bool an) {
    QSettings(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld")).setValue(kSchluessel, an);
}
