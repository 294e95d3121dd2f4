#include "ui/basis/UProgrammSymbol.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "ui/basis/UEingebauteBilder.h"

// Outside any namespace, as Qt's resource macro needs.
static void SymbolEinbinden() {
    Q_INIT_RESOURCE(symbol);
}

void ProgrammSymbolSetzen(QApplication& app) {
    SymbolEinbinden();
    // The built-in pictures also serve a game that was never installed. Sizes up to 64 pixels
    // suit title bars and task bars; an installed game's desktop entry names the larger ones.
    QIcon symbol;
    for (const char* groesse : {"16", "32", "48", "64"}) {
        const QImage bild = PngLesen(QStringLiteral(":/symbol/%1.png").arg(QLatin1String(groesse)));
        if (!bild.isNull()) symbol.addPixmap(QPixmap::fromImage(bild));
    }
    app.setWindowIcon(symbol);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
}
