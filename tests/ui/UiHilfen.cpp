#include "UiHilfen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QThread>
#include <filesystem>
#include <sstream>

namespace {

std::string Naechste(std::deque<std::string>& d) {
    if (d.empty()) return {};
    std::string s = d.front();
    d.pop_front();
    return s;
}

void OrdnerKopieren(const QString& von, const QString& nach) {
    QDir().mkpath(nach);
    for (const QFileInfo& f : QDir(von).entryInfoList(QDir::Files))
        QFile::copy(f.absoluteFilePath(), nach + "/" + f.fileName());
}

// The repository's own folder, for the shipped pictures and levels.
std::string Quellordner() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().string() + "/";
}

}  // namespace

std::string TDialogSkript::Oeffnen(QWidget*, const TDateiWahl& w) {
    Gefragt.push_back(w);
    return Naechste(Dateien);
}

std::vector<std::string> TDialogSkript::OeffnenMehrere(QWidget* e, const TDateiWahl& w) {
    std::vector<std::string> r;
    std::istringstream zeilen(Oeffnen(e, w));
    for (std::string z; std::getline(zeilen, z);) r.push_back(z);
    return r;
}

std::string TDialogSkript::Ordner(QWidget*, const QString&, const QString& start) {
    OrdnerStart.push_back(start);
    return Naechste(Ordnerwahl);
}

TUiUmgebung::TUiUmgebung() {
    const QString quelle = QString::fromStdString(Quellordner());
    const QString ziel = QString::fromStdString(Ordner.Ordner());
    OrdnerKopieren(quelle + "Bilder/UnZerstoer", ziel + "Bilder/UnZerstoer");
    OrdnerKopieren(quelle + "Bilder/Wasser", ziel + "Bilder/Wasser");
    OrdnerKopieren(quelle + "Spielfelder", ziel + "Spielfelder");
    QFile::copy(quelle + "Highscore.hsk", ziel + "Highscore.hsk");
    Daten = std::make_unique<TProgrammDaten>(Meldungen, Dialoge, Ordner.Ordner(), 42);
    Daten->ModalZeigen = [this](QDialog& d) {
        Gezeigt.push_back(d.objectName());
        if (Antworten.empty()) return int(QDialog::Rejected);
        auto antwort = std::move(Antworten.front());
        Antworten.pop_front();
        return antwort(d);
    };
    Daten->WebseiteOeffnen = [](const QUrl&) {};
}

void TUiUmgebung::EinLevel(const std::string& datei,
                           const std::function<void(TSpielRecEinstellungen&)>& aendern) {
    TSpielRecEinstellungen e = Daten->Einstellungen.EinstellungenHolen();
    aendern(e);
    Daten->Einstellungen.EinstellungenSetzen(e);
    Daten->Einstellungen.Arbeitskopie = e;
    Daten->Einstellungen.LevelAnhaengen(Level(datei));
    Daten->Einstellungen.LevelAnzahl = 1;
}

bool WarteBis(const std::function<bool()>& bedingung, int ms) {
    QElapsedTimer uhr;
    uhr.start();
    while (!bedingung()) {
        if (uhr.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

void Druecken(QWidget* w, int qtTaste, Qt::KeyboardModifiers mod) {
    QKeyEvent k(QEvent::KeyPress, qtTaste, mod);
    QApplication::sendEvent(w, &k);
}

void TFensterTest::SetUp() {
    p.Bilder.StandardOrdner(p.Programmordner);
    p.Bilder.BilderNeuLaden();
    f = std::make_unique<TFrm_Spiel>(p);
    f->Bildschirmflaeche = [] { return QRect(0, 0, 1920, 1080); };
}

void TFensterTest::Geometrie(std::uint16_t b, std::uint16_t h, std::uint16_t w, std::uint16_t eh) {
    const TFeldDaten g{"", b, h, w, eh};
    p.Feld.SetzeFeldDaten(g);
    p.Feld.LoescheFeld();
    p.Feld.ErzeugeFeld(p.Feld.Zellenzahl());
    f->FensterEinrichten(g);
    f->StatusAnzeigen(g.Name, p.Einstellungen.EinstellungenHolen());
}
