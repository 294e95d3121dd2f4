#include "ui/netz/UChatZeilen.h"

#include <QTextLayout>
#include <QTextOption>

QString ChatUmbrechen(const QStringList& zeilen, const QFont& schrift, int breite, int hoechstens) {
    QStringList aus;
    QTextOption art;
    art.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& zeile : zeilen) {
        QTextLayout satz(zeile, schrift);
        satz.setTextOption(art);
        satz.beginLayout();
        for (QTextLine l = satz.createLine(); l.isValid(); l = satz.createLine()) {
            l.setLineWidth(breite);
            // The space a line was broken at is not drawn.
            QString teil = zeile.mid(l.textStart(), l.textLength());
            while (teil.endsWith(QLatin1Char(' '))) teil.chop(1);
            aus << teil;
        }
        satz.endLayout();
    }
    if (aus.size() > hoechstens) aus = aus.mid(aus.size() - hoechstens);
    return aus.join(QLatin1Char('\n'));
}
