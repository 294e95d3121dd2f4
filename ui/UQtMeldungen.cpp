#include "ui/UQtMeldungen.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace {

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

bool DeutscheUebersetzungLaden(QApplication& app) {
    auto* uebersetzer = new QTranslator(&app);
    if (!uebersetzer->load(QStringLiteral("qtbase_de"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return false;
    }
    app.installTranslator(uebersetzer);
    return true;
}
