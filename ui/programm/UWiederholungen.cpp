#include "ui/programm/UWiederholungen.h"

#include <QDateTime>
#include <QStandardPaths>
#include <cstdio>

#include "wiederholung/UAbspielen.h"
#include "wiederholung/UAufnahmeDatei.h"

std::string WiederholungenOrdner() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() +
           "/Wiederholungen";
}

void WiederholungAblegen(const TAufnahme& a) {
    const std::string zeit =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    std::string datei;
    const std::string fehler =
        AufnahmeAblegen(WiederholungenOrdner(), zeit, a, kWiederholungenBehalten, datei);
    if (!fehler.empty()) std::fprintf(stderr, "Knallfeld: %s\n", fehler.c_str());
}

std::vector<std::pair<THighscoreEintrag, std::string>> WiederholungsEintraege() {
    std::vector<std::pair<THighscoreEintrag, std::string>> r;
    for (const std::string& datei : AbgelegteAufnahmen(WiederholungenOrdner())) {
        TAufnahme a;
        if (!AufnahmeLesen(datei, a).empty()) continue;
        for (const THighscoreEintrag& x : HighscoreEintraege(a)) r.emplace_back(x, datei);
    }
    return r;
}
