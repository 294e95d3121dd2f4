#include "ui/vorlieben/UPadWahl.h"

#include <QSettings>
#include <QStringList>

namespace {
QString Schluessel(int spieler, int slot) {
    return QStringLiteral("Pads/Spieler%1/Aktion%2").arg(spieler).arg(slot);
}
}  // namespace

TPadBelegung PadBelegungLesen() {
    const QSettings s(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"));
    TPadBelegung b;
    for (int p = 1; p <= 2; ++p)
        for (int slot = 0; slot < 6; ++slot)
            for (const QString& t : s.value(Schluessel(p, slot)).toStringList())
                if (const auto e = PadLesen(t.toStdString()))
                    b.Spieler[std::size_t(p - 1)][std::size_t(slot)].push_back(*e);
    return b;
}

void PadBelegungSpeichern(const TPadBelegung& b) {
    QSettings s(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"));
    for (int p = 1; p <= 2; ++p)
        for (int slot = 0; slot < 6; ++slot) {
            QStringList l;
            for (const TPadEingabe& e : b.Spieler[std::size_t(p - 1)][std::size_t(slot)])
                l << QString::fromStdString(PadText(e));
            s.setValue(Schluessel(p, slot), l);
        }
}
