#include "ui/basis/UQtMeldungen.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <atomic>
#include <mutex>

namespace {

// Qt's texts are read from their file when Qt first asks for one, in the first box or file
// dialog: the main menu and the match window show none, and reading it at start cost a quarter
// of a megabyte.
class TSpaeteUebersetzung final : public QTranslator {
  public:
    TSpaeteUebersetzung(QString ordner, QObject* eltern)
        : QTranslator(eltern), ordner_(std::move(ordner)) {}

    QString translate(const char* kontext, const char* text, const char* unterscheidung,
                      int n) const override {
        // Qt may ask from another thread (the text of a file error, say).
        std::call_once(lesen_, [this] {
            // A file that cannot be read leaves Qt's English texts, as a missing one does.
            auto* ich = const_cast<TSpaeteUebersetzung*>(this);
            gelesen_ = ich->load(QStringLiteral("qtbase_de"), ordner_);
        });
        return QTranslator::translate(kontext, text, unterscheidung, n);
    }
    // Empty until read, so that installing it sends no language change: that would ask for the
    // layout direction, which German leaves as it is, and read the file at once.
    bool isEmpty() const override { return !gelesen_ || QTranslator::isEmpty(); }

  private:
    QString ordner_;
    mutable std::once_flag lesen_;
    mutable std::atomic<bool> gelesen_ = false;
};

QMessageBox::Icon Symbol(TBoxTyp typ) {
    switch (typ) {
        case TBoxTyp::Information:
            return QMessageBox::Information;
        case TBoxTyp::Warnung:
            return QMessageBox::Warning;
        case TBoxTyp::Fehler:
            return QMessageBox::Critical;
        case TBoxTyp::Bestaetigung:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString Titel(TBoxTyp typ) {
    switch (typ) {
        case TBoxTyp::Information:
            return QStringLiteral("Information");
        case TBoxTyp::Warnung:
            return QStringLiteral("Warnung");
        case TBoxTyp::Fehler:
            return QStringLiteral("Fehler");
        case TBoxTyp::Bestaetigung:
            return QStringLiteral("Bestätigen");
    }
    return {};
}

QWidget* Besitzer() {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    return QApplication::activeWindow();
}

int Box(TBoxTyp typ, const std::string& text, QMessageBox::StandardButtons knoepfe) {
    QMessageBox box(Symbol(typ), Titel(typ), QString::fromStdString(text), knoepfe, Besitzer());
    // Messages carry names and paths from files: data, never markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec();
}

}  // namespace

void TQtMeldungen::Zeige(TBoxTyp typ, const std::string& text) {
    Box(typ, text, QMessageBox::Ok);
}

bool TQtMeldungen::FrageJaNein(TBoxTyp typ, const std::string& text) {
    return Box(typ, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

TAntwort TQtMeldungen::FrageJaNeinAbbrechen(TBoxTyp typ, const std::string& text) {
    switch (Box(typ, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return TAntwort::Ja;
        case QMessageBox::No:
            return TAntwort::Nein;
        default:
            return TAntwort::Abbrechen;  // also the title bar's close button
    }
}

void TNichtModaleMeldungen::Zeige(TBoxTyp typ, const std::string& text) {
    auto* box = new QMessageBox(Symbol(typ), Titel(typ), QString::fromStdString(text),
                                QMessageBox::Ok, fenster_);
    box->setObjectName(QStringLiteral("NichtModaleMeldung"));
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The keyboard stays with the board.
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->show();
}

void TNichtModaleMeldungen::Schliessen() {
    for (QMessageBox* box :
         fenster_->findChildren<QMessageBox*>(QStringLiteral("NichtModaleMeldung")))
        box->close();
}

bool DeutscheUebersetzungLaden(QApplication& app) {
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(ordner + QStringLiteral("/qtbase_de.qm"))) return false;
    app.installTranslator(new TSpaeteUebersetzung(ordner, &app));
    return true;
}
