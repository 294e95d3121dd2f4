#include "ui/UProgrammSymbol.h"

#include <QApplication>
#include <QIcon>

// Outside any namespace, as Qt's resource macro needs.
static void SymbolEinbinden() {
    Q_INIT_RESOURCE(symbol);
}

void ProgrammSymbolSetzen(QApplication& app) {
    SymbolEinbinden();
    // The built-in pictures also serve a game that was never installed.
    QIcon symbol;
    for (const char* groesse : {"16", "32", "48", "256"})
        symbol.addFile(QStringLiteral(":/symbol/%1.png").arg(QLatin1String(groesse)));
    app.setWindowIcon(symbol);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
}
