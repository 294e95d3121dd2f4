#include "ui/editor/UEditorFenster.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "ui/basis/UDateiDialoge.h"
#include "ui/basis/UFarbe.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/dialoge/UBildOrdner.h"
#include "ui/editor/UAuswahlGitter.h"
#include "ui/editor/UEditorEinstellungen.h"
#include "ui/editor/UFeldGitter.h"
#include "ui/programm/UFenster.h"
#include "ui/programm/UProgrammDaten.h"

namespace {

// Layout: the grid's top-left corner below the menu, and the width of the tool groups.
constexpr int kGitterLinks = 8;
constexpr int kGitterOben = 8;
constexpr int kGruppenAbstand = 10;
constexpr int kGruppenBreite = 190;
constexpr int kRechterRand = 15;
constexpr int kUntererRand = 60;
constexpr int kMindesthoehe = 535;
// Tops of the four groups below the menu.
constexpr int kObenName = 4;
constexpr int kObenAuswahl = 58;
constexpr int kObenBitmap = 312;
constexpr int kObenEditor = 412;
// What the window frame and task bar take on a screen, beyond the client area.
constexpr int kRahmenBreite = 16;
constexpr int kRahmenHoehe = 40;

const QString kDateiFilter = QStringLiteral("Editordateien (*.dat)");
const QString kBildFilter = QStringLiteral("Bitmaps (*.bmp)");

QGroupBox* Gruppe(QWidget* eltern, const QString& titel, const char* name, int y, int hoehe) {
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(QLatin1String(name));
    g->resize(kGruppenBreite, hoehe);
    g->move(0, y);
    return g;
}

QRadioButton* Auswahlknopf(QWidget* eltern, const QString& text, const char* name, QRect r) {
    auto* k = new QRadioButton(text, eltern);
    k->setObjectName(QLatin1String(name));
    k->setGeometry(r);
    return k;
}

void Textfarbe(QWidget* w, const QColor& farbe) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, farbe);
    p.setColor(QPalette::ButtonText, farbe);
    w->setPalette(p);
}

std::optional<std::string> Gewaehlt(const std::string& pfad) {
    if (pfad.empty()) return std::nullopt;
    return pfad;
}

}  // namespace

TFrm_Editor::TFrm_Editor(TProgrammDaten& p, TFenster& fenster, QWidget* parent)
    : QDialog(parent),
      p_(p),
      fenster_(fenster),
      editor_(p.Feld, p.Bilder, p.Fehler, p.Level, *this),
      vorschau_(p.Bilder) {
    setObjectName(QStringLiteral("Frm_Editor"));
    setWindowTitle(QStringLiteral("Knallfeld - Spielfeldeditor"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    MenueAnlegen();
    WerkzeugeAnlegen();
    BefehleAktualisieren();
    FeldAufbauen();
}

void TFrm_Editor::Programmstart(TProgrammDaten& p) {
    p.Bilder.BilderNeuLaden();
}

TFrm_Editor::~TFrm_Editor() = default;

void TFrm_Editor::MenueAnlegen() {
    menue_ = new QMenuBar(this);
    menue_->setObjectName(QStringLiteral("MM_Editor"));
    auto befehl = [this](QMenu* m, const QString& text, const char* name, QKeySequence taste,
                         auto handler) {
        QAction* a = m->addAction(text);
        a->setObjectName(QLatin1String(name));
        if (!taste.isEmpty()) a->setShortcut(taste);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };

    QMenu* datei = menue_->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("MM_Datei"));
    befehl(datei, QStringLiteral("Ö&ffnen..."), "Oeffnen", QKeySequence(Qt::CTRL | Qt::Key_O),
           [this] { editor_.Feld_Oeffnen(); });
    datei->addSeparator();
    speichern_ = befehl(datei, QStringLiteral("&Speichern"), "Speichern",
                        QKeySequence(Qt::CTRL | Qt::Key_S), [this] { editor_.Feld_Speichern(); });
    befehl(datei, QStringLiteral("Speichern &unter..."), "SpeichernUnter", QKeySequence(),
           [this] { editor_.Feld_SpeichernUnter(); });
    datei->addSeparator();
    befehl(datei, QStringLiteral("&Beenden"), "Beenden", QKeySequence(Qt::CTRL | Qt::Key_Q),
           [this] { close(); });

    QMenu* bearbeiten = menue_->addMenu(QStringLiteral("Bearbeiten"));
    bearbeiten->setObjectName(QStringLiteral("MM_Bearbeiten"));
    undo_ = befehl(bearbeiten, QStringLiteral("Rückgängig: Zelle bearbeiten"), "Undo",
                   QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { editor_.UndoClick(); });
    bearbeiten->addSeparator();
    befehl(bearbeiten, QStringLiteral("Felder zurücksetzen"), "FelderZuruecksetzen",
           QKeySequence(Qt::CTRL | Qt::Key_R), [this] { editor_.Btn_ResetClick(); });

    QMenu* einstellungen = menue_->addMenu(QStringLiteral("Einstellungen"));
    einstellungen->setObjectName(QStringLiteral("MM_Einstellungen"));
    befehl(einstellungen, QStringLiteral("Editor"), "Btn_EditorEinstellungen", QKeySequence(),
           [this] { editor_.Btn_EditorEinstellungenClick(); });
    einstellungen->addSeparator();
    befehl(einstellungen, QStringLiteral("Bilderordner"), "Btn_BilderOrdner", QKeySequence(),
           [this] { editor_.Btn_BilderOrdnerClick(); });
}

void TFrm_Editor::WerkzeugeAnlegen() {
    feldBereich_ = new QScrollArea(this);
    feldBereich_->setObjectName(QStringLiteral("Pn_Feld"));
    feldBereich_->setFrameShape(QFrame::NoFrame);
    feldBereich_->setWidgetResizable(false);
    sgFeld_ = new TFeldGitter(p_.Feld, p_.Bilder);
    feldBereich_->setWidget(sgFeld_);
    connect(sgFeld_, &TFeldGitter::ZelleGewaehlt, this, &TFrm_Editor::SG_FeldSelectCell);

    gbName_ = Gruppe(this, QStringLiteral("Spielfeldname"), "GB_Spielfeldname", kObenName, 50);
    edName_ = new QLineEdit(gbName_);
    edName_->setObjectName(QStringLiteral("Ed_Spielfeldname"));
    edName_->setGeometry(10, 20, 170, 22);
    edName_->setMaxLength(int(kNameLaenge));
    NurSpeicherbareZeichen(edName_);

    gbAuswahl_ = Gruppe(this, QStringLiteral("Auswahl"), "GB_Auswahl", kObenAuswahl, 250);
    cbArt_ = new QComboBox(gbAuswahl_);
    cbArt_->setObjectName(QStringLiteral("CB_Felder_Art"));
    cbArt_->setGeometry(10, 20, 170, 24);
    cbArt_->setEditable(true);
    cbArt_->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string* text : {&kAuswahlFrei, &kAuswahlZerstoerbar, &kAuswahlUnzerstoerbar,
                                    &kAuswahlWasser, &kAuswahlStart})
        cbArt_->addItem(QText(*text));
    connect(cbArt_, &QComboBox::currentTextChanged, this, &TFrm_Editor::CB_Felder_ArtChange);

    rbSpieler1_ =
        Auswahlknopf(gbAuswahl_, QStringLiteral("Spieler 1"), "RB_Spieler1", {10, 50, 86, 20});
    rbSpieler2_ =
        Auswahlknopf(gbAuswahl_, QStringLiteral("Spieler 2"), "RB_Spieler2", {100, 50, 86, 20});
    Textfarbe(rbSpieler1_, Qt::blue);
    Textfarbe(rbSpieler2_, Qt::red);
    rbSpieler1_->setChecked(true);

    sgAuswahl_ = new TAuswahlGitter(gbAuswahl_);
    sgAuswahl_->move(10, 76);
    sgAuswahl_->setFixedHeight(4 * (TAuswahlGitter::kZelle + 1) + 4);
    sgAuswahl_->ZeileZeichnen = [this](QPainter& p, const QRect& r, int zeile) {
        SG_AuswahlDrawCell(p, r, zeile);
    };

    gbBitmap_ = Gruppe(this, QStringLiteral("Bitmap Laden"), "GB_BitmapLaden", kObenBitmap, 96);
    rbBlock_ = Auswahlknopf(gbBitmap_, QStringLiteral("(Un-) Zerstoerbar"), "RB_Zerstoerbar",
                            {10, 20, 128, 20});
    rbWasser_ = Auswahlknopf(gbBitmap_, QStringLiteral("Wasser"), "RB_Wasser", {10, 42, 128, 20});
    rbBlock_->setChecked(true);
    auto* bmpLaden = new QToolButton(gbBitmap_);
    bmpLaden->setObjectName(QStringLiteral("SB_BmpLaden"));
    bmpLaden->setAutoRaise(true);
    bmpLaden->setGeometry(142, 18, 38, 38);
    bmpLaden->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    bmpLaden->setIconSize(QSize(28, 28));
    bmpLaden->setToolTip(QStringLiteral("Bild hinzufügen"));
    connect(bmpLaden, &QToolButton::clicked, this,
            [this] { editor_.BmpLaden(rbWasser_->isChecked()); });
    auto* standard =
        Knopf(gbBitmap_, QStringLiteral("Standart Bilder"), "Btn_ResetBmp", {10, 64, 170, 24});
    connect(standard, &QPushButton::clicked, this, [this] { editor_.Btn_ResetBmpClick(); });

    gbEditor_ = Gruppe(this, QStringLiteral("Editor"), "GB_Editor", kObenEditor, 86);
    auto* test = Knopf(gbEditor_, QStringLiteral("Feld testen"), "Btn_FeldTest", {10, 20, 83, 24});
    auto* reset = Knopf(gbEditor_, QStringLiteral("Zrücksetzen"), "Btn_Reset", {97, 20, 83, 24});
    auto* beenden = Knopf(gbEditor_, QStringLiteral("B&eenden"), "Btn_Beenden", {10, 52, 170, 24});
    connect(test, &QPushButton::clicked, this, [this] { editor_.Btn_FeldTestClick(); });
    connect(reset, &QPushButton::clicked, this, [this] { editor_.Btn_ResetClick(); });
    connect(beenden, &QPushButton::clicked, this, [this] { close(); });

    CB_Felder_ArtChange();
}

void TFrm_Editor::Feld_Erstellen(std::uint16_t einzelHoehe, std::uint16_t einzelBreite,
                                 std::uint16_t spielHoehe, std::uint16_t spielBreite,
                                 std::uint32_t farbe) {
    editor_.Feld_Erstellen(einzelHoehe, einzelBreite, spielHoehe, spielBreite, farbe);
}

TZellenArt TFrm_Editor::AktuelleArt() const {
    return ArtVonAuswahl(StdText(cbArt_->currentText()), rbSpieler2_->isChecked());
}

void TFrm_Editor::SG_FeldSelectCell(int spalte, int zeile) {
    const TZellenArt art = AktuelleArt();
    const bool mitBild = art == zaZerstoerbar || art == zaUnzerstoerbar || art == zaWasser;
    const auto bild = static_cast<std::uint16_t>(mitBild ? sgAuswahl_->Zeile() : 0);
    if (editor_.Malen(std::uint32_t(spalte), std::uint32_t(zeile), art, bild)) {
        if (editor_.StartVerschoben())
            sgFeld_->update();
        else
            sgFeld_->ZelleNeuZeichnen(spalte, zeile);
    }
    const QRect r = sgFeld_->ZellRechteck(spalte, zeile);
    feldBereich_->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 2,
                                r.height() / 2 + 2);
}

void TFrm_Editor::CB_Felder_ArtChange() {
    sgAuswahl_->SetzeZeilen(int(editor_.AuswahlZeilen(AktuelleArt())));
    sgAuswahl_->WaehleZeile(0);
    sgAuswahl_->viewport()->update();
}

void TFrm_Editor::SG_AuswahlDrawCell(QPainter& p, const QRect& r, int zeile) {
    const TZellenArt art = AktuelleArt();
    const QSize groesse(TAuswahlGitter::kZelle, TAuswahlGitter::kZelle);
    const QPixmap* bild = nullptr;
    const qreal dpr = p.device()->devicePixelRatioF();
    if (art == zaZerstoerbar || art == zaUnzerstoerbar)
        bild = vorschau_.Bild(std::uint16_t(zeile), kBlockbilder, groesse, dpr);
    else if (art == zaWasser)
        bild = vorschau_.Bild(std::uint16_t(zeile), kWasserbilder, groesse, dpr);
    else
        p.fillRect(r, FarbeVon(p_.Feld.FeldDaten().Farbe));
    // An empty set leaves one empty row.
    if (bild) p.drawPixmap(r.topLeft(), *bild);
}

void TFrm_Editor::FeldAufbauen() {
    const QSize gitter = TFeldGitter::Groesse(p_.Feld.FeldDaten());
    sgFeld_->Aufbauen();

    const int menuehoehe = menue_->sizeHint().height();
    const int oben = menuehoehe + kGitterOben;
    // A grid larger than the screen scrolls inside the window; the grid keeps its size.
    QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect frei = schirm ? schirm->availableGeometry() : QRect(0, 0, 1920, 1080);
    const int werkzeuge = kGruppenAbstand + kGruppenBreite + kRechterRand;
    const int maxBreite = std::max(100, frei.width() - kRahmenBreite - kGitterLinks - werkzeuge);
    const int maxHoehe = std::max(100, frei.height() - kRahmenHoehe - oben - kUntererRand);
    const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    bool waagrecht = false, senkrecht = false;
    for (int i = 0; i < 2; ++i) {
        waagrecht = gitter.width() > maxBreite - (senkrecht ? leiste : 0);
        senkrecht = gitter.height() > maxHoehe - (waagrecht ? leiste : 0);
    }
    const int breite = waagrecht ? maxBreite : gitter.width() + (senkrecht ? leiste : 0);
    const int hoehe = senkrecht ? maxHoehe : gitter.height() + (waagrecht ? leiste : 0);
    feldBereich_->setHorizontalScrollBarPolicy(waagrecht ? Qt::ScrollBarAlwaysOn
                                                         : Qt::ScrollBarAlwaysOff);
    feldBereich_->setVerticalScrollBarPolicy(senkrecht ? Qt::ScrollBarAlwaysOn
                                                       : Qt::ScrollBarAlwaysOff);
    feldBereich_->setGeometry(kGitterLinks, oben, breite, hoehe);
    feldBereich_->horizontalScrollBar()->setValue(0);
    feldBereich_->verticalScrollBar()->setValue(0);

    const int links = feldBereich_->geometry().right() + 1 + kGruppenAbstand;
    const std::pair<QGroupBox*, int> gruppen[] = {{gbName_, kObenName},
                                                  {gbAuswahl_, kObenAuswahl},
                                                  {gbBitmap_, kObenBitmap},
                                                  {gbEditor_, kObenEditor}};
    for (const auto& [gruppe, y] : gruppen) gruppe->move(links, menuehoehe + y);

    const int fensterBreite = gbAuswahl_->x() + gbAuswahl_->width() + kRechterRand;
    const int fensterHoehe = std::max(kMindesthoehe, oben + hoehe + kUntererRand);
    menue_->setGeometry(0, 0, fensterBreite, menuehoehe);
    setFixedSize(fensterBreite, fensterHoehe);
}

void TFrm_Editor::FeldNeuZeichnen() {
    sgFeld_->update();
}

void TFrm_Editor::AuswahlZuruecksetzen() {
    cbArt_->setCurrentIndex(0);
    cbArt_->setEditText(QText(kAuswahlFrei));
    CB_Felder_ArtChange();
}

void TFrm_Editor::AuswahlNeuZeichnen() {
    sgAuswahl_->SetzeZeilen(int(editor_.AuswahlZeilen(AktuelleArt())));
    sgAuswahl_->viewport()->update();
}

void TFrm_Editor::BefehleAktualisieren() {
    speichern_->setEnabled(editor_.SpeichernAktiv());
    undo_->setEnabled(editor_.UndoAktiv());
}

std::string TFrm_Editor::Name() const {
    return StdText(edName_->text());
}

void TFrm_Editor::NameSetzen(const std::string& name) {
    edName_->setText(QText(name));
}

void TFrm_Editor::NameFokussieren() {
    edName_->setFocus(Qt::OtherFocusReason);
}

void TFrm_Editor::Zentrieren() {
    ZentriereAufBildschirm(this);
}

std::optional<std::string> TFrm_Editor::OeffnenDialog() {
    TDateiWahl w;
    w.Filter = kDateiFilter;
    w.Endung = QStringLiteral("dat");
    return Gewaehlt(p_.Dialoge.Oeffnen(this, w));
}

std::optional<std::string> TFrm_Editor::SpeichernDialog() {
    TDateiWahl w;
    w.Filter = kDateiFilter;
    w.Endung = QStringLiteral("dat");
    // The level files ask about overwriting themselves.
    w.UeberschreibenFragen = false;
    const std::string pfad = p_.Dialoge.Speichern(this, w);
    // A level saved under such a path could never join a level list.
    if (pfad.empty() || !PfadZeichenPassen(pfad, p_.Meldungen)) return std::nullopt;
    return pfad;
}

std::optional<std::string> TFrm_Editor::BildDialog() {
    TDateiWahl w;
    w.Titel = QStringLiteral("Bild hinzufügen");
    w.Filter = kBildFilter;
    w.MitVorschau = true;
    const std::string pfad = p_.Dialoge.Oeffnen(this, w);
    // The image file keeps 255 characters of a path; a longer one would name another file.
    if (pfad.empty() || !PfadPasst(pfad, p_.Meldungen)) return std::nullopt;
    return pfad;
}

bool TFrm_Editor::BilderOrdnerDialog() {
    return fenster_.BildOrdner && fenster_.BildOrdner->OrdnerWaehlen();
}

std::optional<TEditorEinstellungen> TFrm_Editor::EinstellungenDialog(const TFeldDaten& g) {
    TFrm_Editoreinstellungen* dialog = fenster_.Editoreinstellungen;
    if (!dialog) {
        if (!eigeneEinstellungen_)
            eigeneEinstellungen_ = std::make_unique<TFrm_Editoreinstellungen>(this);
        dialog = eigeneEinstellungen_.get();
    }
    return dialog->Zeigen(g, p_.ModalZeigen);
}

void TFrm_Editor::closeEvent(QCloseEvent* e) {
    if (editor_.FormCloseQuery()) {
        setResult(QDialog::Rejected);
        e->accept();
    } else {
        e->ignore();
    }
}

void TFrm_Editor::reject() {
    close();
}
