// The yardstick for start-up time and memory: an empty Qt Widgets program, built like the game,
// that shows one window and ends right after its first paint, as the game does with
// --nach-erstem-bild-beenden. With --mit-text the window shows one line of text instead, for
// comparison: the cost of any window with text in it.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

class TNachErstemBild : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !gemalt_) {
            gemalt_ = true;
            // Queued, so that the children of the window are painted too; then at once, without
            // tearing down, so that a measured time ends with the picture.
            QTimer::singleShot(0, qApp, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(o, e);
    }

  private:
    bool gemalt_ = false;
};

}  // namespace

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
