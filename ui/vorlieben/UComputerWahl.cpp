#include "ui/vorlieben/UComputerWahl.h"

#include <QSettings>

namespace {

QString Schluessel(std::size_t i) {
    return i == 0 ? QStringLiteral("Computer/Spieler1") : QStringLiteral("Computer/Spieler2");
}

}  // namespace

std::array<TComputerArt, 2> ComputerWahlLesen() {
    const QSettings s(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"));
    std::array<TComputerArt, 2> wahl{};
    // Anything but "stark" (a hand-edited file too) is the classic computer.
    for (std::size_t i = 0; i < wahl.size(); ++i)
        if (s.value(Schluessel(i)).toString() == QStringLiteral("stark"))
            wahl[i] = TComputerArt::Stark;
    return wahl;
}

void ComputerWahlSpeichern(const std::array<TComputerArt, 2>& wahl) {
    QSettings s(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"));
    for (std::size_t i = 0; i < wahl.size(); ++i)
        s.setValue(Schluessel(i), wahl[i] == TComputerArt::Stark ? QStringLiteral("stark")
                                                                 : QStringLiteral("klassisch"));
}
