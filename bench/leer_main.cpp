// The yardstick for start-up time and memory: an empty Qt Widgets program, built like the game,
// that shows one window and ends right after its first paint, as the game does with
// --nach-erstem-bild-beenden. With --mit-text the window shows one line of text instead, for
// comparison: the cost of any window with text in it.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <memory>

#include "ui/start/UNachErstemBild.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> fenster;
    if (QApplication::arguments().contains(QStringLiteral("--mit-text")))
        fenster = std::make_unique<QLabel>(QStringLiteral("Knallfeld"));
    else
        fenster = std::make_unique<QWidget>();
    fenster->resize(640, 480);
    TNachErstemBild filter;
    fenster->installEventFilter(&filter);
    fenster->show();
    return app.exec();
}
