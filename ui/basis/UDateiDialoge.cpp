#include "ui/basis/UDateiDialoge.h"

#include <QFileDialog>
#include <QLabel>
#include <QLayout>

#include "files/UBilderPointer.h"

namespace {

// A picture preview beside the file list, as the picture chooser shows it.
void VorschauEinbauen(QFileDialog& dlg) {
    auto* vorschau = new QLabel(&dlg);
    vorschau->setObjectName(QStringLiteral("Vorschau"));
    vorschau->setFixedSize(128, 128);
    vorschau->setAlignment(Qt::AlignCenter);
    vorschau->setFrameShape(QFrame::StyledPanel);
    if (auto* raster = qobject_cast<QGridLayout*>(dlg.layout()))
        raster->addWidget(vorschau, 1, raster->columnCount(), 1, 1);
    QObject::connect(&dlg, &QFileDialog::currentChanged, vorschau, [vorschau](const QString& p) {
        const QImage bild = BitmapLaden(p.toStdString());
        if (bild.isNull()) {
            vorschau->clear();
            return;
        }
        vorschau->setPixmap(QPixmap::fromImage(bild).scaled(vorschau->size(), Qt::KeepAspectRatio,
                                                            Qt::SmoothTransformation));
    });
}

std::string Ausfuehren(QFileDialog& dlg) {
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().first().toStdString();
}

void Einrichten(QFileDialog& dlg, const TDateiWahl& w) {
    // Qt's own dialog, so that the preview can be added and the texts follow our translation.
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setNameFilter(w.Filter);
    if (!w.Ordner.isEmpty()) dlg.setDirectory(w.Ordner);
    QString endung = w.Endung;
    if (endung.startsWith(QLatin1Char('.'))) endung.remove(0, 1);
    if (!endung.isEmpty()) dlg.setDefaultSuffix(endung);
}

}  // namespace

std::string TQtDateiDialoge::Oeffnen(QWidget* besitzer, const TDateiWahl& w) {
    QFileDialog dlg(besitzer, w.Titel);
    Einrichten(dlg, w);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (w.MitVorschau) VorschauEinbauen(dlg);
    return Ausfuehren(dlg);
}

std::vector<std::string> TQtDateiDialoge::OeffnenMehrere(QWidget* besitzer, const TDateiWahl& w) {
    QFileDialog dlg(besitzer, w.Titel);
    Einrichten(dlg, w);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFiles);
    std::vector<std::string> r;
    if (dlg.exec() == QDialog::Accepted)
        for (const QString& f : dlg.selectedFiles()) r.push_back(f.toStdString());
    return r;
}

std::string TQtDateiDialoge::Speichern(QWidget* besitzer, const TDateiWahl& w) {
    QFileDialog dlg(besitzer, w.Titel);
    Einrichten(dlg, w);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    if (!w.UeberschreibenFragen) dlg.setOption(QFileDialog::DontConfirmOverwrite);
    return Ausfuehren(dlg);
}

std::string TQtDateiDialoge::Ordner(QWidget* besitzer, const QString& titel, const QString& start) {
    QFileDialog dlg(besitzer, titel, start);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly);
    return Ausfuehren(dlg);
}
