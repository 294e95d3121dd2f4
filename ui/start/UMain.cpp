#include "ui/start/UMain.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/basis/UEingebauteBilder.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/dialoge/UBildOrdner.h"
#include "ui/dialoge/UHighscoreAnzeige.h"
#include "ui/dialoge/UInfo.h"
#include "ui/dialoge/ULautstaerke.h"
#include "ui/dialoge/USpielEinstellungen.h"
#include "ui/dialoge/USteuerungEinstellungen.h"
#include "ui/editor/UEditorEinstellungen.h"
#include "ui/editor/UEditorFenster.h"
#include "ui/eingabe/UTasteFenster.h"
#include "ui/netz/UNetzDialog.h"
#include "ui/netz/UNetzDienst.h"
#include "ui/netz/UNetzMatch.h"
#include "ui/programm/UProgrammDaten.h"
#include "ui/programm/UWiederholungen.h"
#include "ui/spiel/USpielFenster.h"
#include "ui/vorlieben/UNetzWahl.h"
#include "wiederholung/UAbspielen.h"
#include "wiederholung/UAufnahmeDatei.h"

namespace {

QToolButton* FlacherKnopf(const QString& text, const char* name) {
    auto* b = new QToolButton;
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setAutoRaise(true);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setMinimumHeight(36);
    QFont f = b->font();
    f.setPointSizeF(f.pointSizeF() * 1.15);
    b->setFont(f);
    return b;
}

QAction* Befehl(QMenu* menue, const QString& text, const char* name) {
    QAction* a = menue->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

}  // namespace

TFrm_Main::TFrm_Main(TProgrammDaten& p, TFenster& fenster) : p_(p), fenster_(fenster) {
    setObjectName(QStringLiteral("TFrm_Main"));
    setWindowTitle(QStringLiteral("Knallfeld - Hauptmenü"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    // Menu bar.
    QMenuBar* mm = MM_Main = new QMenuBar(this);
    mm->setObjectName(QStringLiteral("MM_Main"));
    spalte->setMenuBar(mm);
    QMenu* programm = mm->addMenu(QStringLiteral("&Programm"));
    A_Ton = Befehl(programm, QStringLiteral("Ton"), "A_Ton");
    A_Ton->setCheckable(true);
    // The preference is read when the menu first opens, not at start-up.
    connect(programm, &QMenu::aboutToShow, this, [this] { A_Ton->setChecked(p_.Ton().An); });
    connect(A_Ton, &QAction::triggered, this, &TFrm_Main::TonUmschalten);
    A_Lautstaerke = Befehl(programm, QStringLiteral("Lautstärke..."), "A_Lautstaerke");
    connect(A_Lautstaerke, &QAction::triggered, this, &TFrm_Main::LautstaerkeEinstellen);
    A_Wiederholung = Befehl(programm, QStringLiteral("Wiederholung öffnen..."), "A_Wiederholung");
    connect(A_Wiederholung, &QAction::triggered, this, &TFrm_Main::WiederholungOeffnen);
    p_.WiederholungAnsehen = [this](const std::string& datei) { WiederholungAnsehen(datei); };
    programm->addSeparator();
    Btn_Beenden = Befehl(programm, QStringLiteral("Beenden"), "Btn_Beenden");
    QMenu* spiel = mm->addMenu(QStringLiteral("&Spiel"));
    Btn_Spielstarten = Befehl(spiel, QStringLiteral("Spiel starten"), "Btn_Spielstarten");
    A_NetzEroeffnen = Befehl(spiel, QStringLiteral("Netzwerkspiel eröffnen..."), "A_NetzEroeffnen");
    A_NetzBeitreten =
        Befehl(spiel, QStringLiteral("Netzwerkspiel beitreten..."), "A_NetzBeitreten");
    spiel->addSeparator();
    Btn_Spieleinstellungen =
        Befehl(spiel, QStringLiteral("Einstellungen"), "Btn_Spieleinstellungen");
    QMenu* editor = mm->addMenu(QStringLiteral("&Editor"));
    Btn_Editorstarten = Befehl(editor, QStringLiteral("Editor starten"), "Btn_Editorstarten");
    editor->addSeparator();
    Btn_Editoreinstellungen =
        Befehl(editor, QStringLiteral("Einstellungen"), "Btn_Editoreinstellungen");
    Highscore = mm->addAction(QStringLiteral("&Highscore"));
    Highscore->setObjectName(QStringLiteral("Highscore"));
    QMenu* hilfe = mm->addMenu(QStringLiteral("?"));
    Btn_Homepage = Befehl(hilfe, QStringLiteral("Knallfeld - Homepage"), "Btn_Homepage");
    hilfe->addSeparator();
    Btn_Info = Befehl(hilfe, QStringLiteral("Info..."), "Btn_Info");

    // Client area: the title picture on the left, two groups of flat buttons on the right.
    auto* flaeche = Pn_Main = new QWidget;
    flaeche->setObjectName(QStringLiteral("Pn_Main"));
    flaeche->setFixedSize(696, 454);
    spalte->addWidget(flaeche);

    Im_Main = new TTitelBild(flaeche);
    Im_Main->setObjectName(QStringLiteral("Im_Main"));
    Im_Main->move(16, 27);

    auto* gbEditor = new QGroupBox(QStringLiteral("Editor"), flaeche);
    gbEditor->setObjectName(QStringLiteral("GB_Editor"));
    gbEditor->setGeometry(436, 27, 244, 118);
    auto* le = new QVBoxLayout(gbEditor);
    SB_EditorStarten = FlacherKnopf(QStringLiteral("&Editor starten"), "SB_EditorStarten");
    SB_EditorEinstellungen =
        FlacherKnopf(QStringLiteral("Einstell&ungen"), "SB_EditorEinstellungen");
    le->addWidget(SB_EditorStarten);
    le->addWidget(SB_EditorEinstellungen);

    auto* gbSpiel = new QGroupBox(QStringLiteral("Spiel"), flaeche);
    gbSpiel->setObjectName(QStringLiteral("GB_Spiel"));
    gbSpiel->setGeometry(436, 161, 244, 266);
    auto* ls = new QVBoxLayout(gbSpiel);
    SB_SpielStarten = FlacherKnopf(QStringLiteral("Spiel &starten"), "SB_SpielStarten");
    SB_SpielEinstellungen = FlacherKnopf(QStringLiteral("Ei&nstellungen"), "SB_SpielEinstellungen");
    SB_Netzwerk = FlacherKnopf(QStringLiteral("Netz&werkspiel"), "SB_Netzwerk");
    SB_Highscore = FlacherKnopf(QStringLiteral("&Highscore"), "SB_Highscore");
    SB_Beenden = FlacherKnopf(QStringLiteral("&Beenden"), "SB_Beenden");
    for (QToolButton* b :
         {SB_SpielStarten, SB_SpielEinstellungen, SB_Netzwerk, SB_Highscore, SB_Beenden})
        ls->addWidget(b);

    // Handlers; a button and a menu item with the same handler behave the same.
    connect(SB_EditorStarten, &QToolButton::clicked, this, &TFrm_Main::EditorStarten);
    connect(Btn_Editorstarten, &QAction::triggered, this, &TFrm_Main::EditorStarten);
    connect(SB_EditorEinstellungen, &QToolButton::clicked, this, &TFrm_Main::EditorEinstellungen);
    connect(Btn_Editoreinstellungen, &QAction::triggered, this, &TFrm_Main::EditorEinstellungen);
    connect(SB_SpielStarten, &QToolButton::clicked, this, &TFrm_Main::Spielstarten);
    connect(Btn_Spielstarten, &QAction::triggered, this, &TFrm_Main::Spielstarten);
    connect(SB_SpielEinstellungen, &QToolButton::clicked, this, &TFrm_Main::Spieleinstellungen);
    connect(Btn_Spieleinstellungen, &QAction::triggered, this, &TFrm_Main::Spieleinstellungen);
    connect(SB_Netzwerk, &QToolButton::clicked, this,
            [this] { Netzwerkspiel(NetzWahlLesen().Eroeffnen); });
    connect(A_NetzEroeffnen, &QAction::triggered, this, [this] { Netzwerkspiel(true); });
    connect(A_NetzBeitreten, &QAction::triggered, this, [this] { Netzwerkspiel(false); });
    connect(SB_Highscore, &QToolButton::clicked, this, &TFrm_Main::Open_Highscore);
    connect(Highscore, &QAction::triggered, this, &TFrm_Main::Open_Highscore);
    connect(SB_Beenden, &QToolButton::clicked, this, &TFrm_Main::Beenden);
    connect(Btn_Beenden, &QAction::triggered, this, &TFrm_Main::Beenden);
    connect(Btn_Homepage, &QAction::triggered, this, &TFrm_Main::Open_Homepage);
    connect(Btn_Info, &QAction::triggered, this, &TFrm_Main::Btn_InfoClick);

    SpielStartenAktivieren(false);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
    qApp->installEventFilter(this);
}

void TFrm_Main::TonUmschalten() {
    p_.Ton().An = !p_.Ton().An;
    A_Ton->setChecked(p_.Ton().An);
    p_.TonAnwenden();
    TonWahlSpeichern(p_.Ton());
}

void TFrm_Main::LautstaerkeEinstellen() {
    TFrm_Lautstaerke d(p_.Ton().Lautstaerke, p_.Klaenge, this);
    if (p_.ModalZeigen(d) == QDialog::Accepted) {
        p_.Ton().Lautstaerke = d.Lautstaerke();
        TonWahlSpeichern(p_.Ton());
    }
    // Trying the slider changed the sound; back to the choice now in force.
    p_.TonAnwenden();
}

void TFrm_Main::SpielStartenAktivieren(bool an) {
    SB_SpielStarten->setEnabled(an);
    Btn_Spielstarten->setEnabled(an);
}

QToolButton* TFrm_Main::KnopfMitKuerzel(int taste) const {
    for (QToolButton* b : {SB_EditorStarten, SB_EditorEinstellungen, SB_SpielStarten,
                           SB_SpielEinstellungen, SB_Netzwerk, SB_Highscore, SB_Beenden}) {
        const QKeySequence k = QKeySequence::mnemonic(b->text());
        if (b->isEnabled() && !k.isEmpty() && (k[0].key() == Qt::Key(taste))) return b;
    }
    return nullptr;
}

bool TFrm_Main::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(o, e);
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->window() != this || QApplication::activeModalWidget())
        return QWidget::eventFilter(o, e);
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->modifiers() != Qt::AltModifier) return QWidget::eventFilter(o, e);
    QToolButton* b = KnopfMitKuerzel(k->key());
    if (!b) return QWidget::eventFilter(o, e);
    e->accept();
    if (e->type() == QEvent::KeyPress) b->click();
    return true;
}

void TFrm_Main::EditorStarten() {
    const TFeldDaten d = p_.Feld.HoleFeldDaten();
    fenster_.Editor->Feld_Erstellen(d.EinzelHoehe, d.EinzelBreite, d.SpielHoehe, d.SpielBreite,
                                    d.Farbe);
    ZentriereAufBildschirm(fenster_.Editor);
    p_.ModalZeigen(*fenster_.Editor);
    p_.Feld.LoescheFeld();
}

void TFrm_Main::EditorEinstellungen() {
    TFeldDaten d = p_.Feld.HoleFeldDaten();
    const auto werte = fenster_.Editoreinstellungen->Zeigen(d, p_.ModalZeigen);
    if (!werte) return;
    p_.Feld.SetzeFeldDaten(werte->Uebernehmen(d));
}

void TFrm_Main::Spielstarten() {
    if (!p_.Bilder.IstGeladen(kBlockbilder) || !p_.Bilder.IstGeladen(kWasserbilder)) {
        p_.Fehler.BilderFehlenMeldung();
        return;
    }
    p_.ComputerWahlLaden();
    if (!fenster_.Spiel->MatchStarten()) return;
    ZentriereAufBildschirm(fenster_.Spiel);
    p_.ModalZeigen(*fenster_.Spiel);
    p_.Feld.SetzeStandardGroesse();
}

void TFrm_Main::Netzwerkspiel(bool eroeffnen) {
    if (!p_.Bilder.IstGeladen(kBlockbilder) || !p_.Bilder.IstGeladen(kWasserbilder)) {
        p_.Fehler.BilderFehlenMeldung();
        return;
    }
    TFrm_Spiel& f = *fenster_.Spiel;
    std::unique_ptr<TNetzDienst> dienst;
    {
        TFrm_Netzwerk d(
            p_, [&f] { return f.NetzUmgebung(); }, this);
        dienst = d.Zeigen(eroeffnen);
    }
    if (!dienst) return;
    f.Zeigen(std::make_unique<TNetzMatch>(f, std::move(dienst)));
    ZentriereAufBildschirm(&f);
    p_.ModalZeigen(f);
    p_.Feld.SetzeStandardGroesse();
}

void TFrm_Main::WiederholungOeffnen() {
    TDateiWahl w;
    w.Titel = QStringLiteral("Wiederholung öffnen");
    w.Filter = QStringLiteral("Wiederholungen (*.kfw)");
    w.Ordner = QString::fromStdString(WiederholungenOrdner());
    const std::string datei = p_.Dialoge.Oeffnen(this, w);
    if (!datei.empty()) WiederholungAnsehen(datei);
}

void TFrm_Main::WiederholungAnsehen(const std::string& datei) {
    TAufnahme a;
    if (const std::string f = AufnahmeLesen(datei, a); !f.empty()) {
        p_.Meldungen.Zeige(TBoxTyp::Fehler, f);
        return;
    }
    // Checked without a window first: a match that would end otherwise is not shown at all.
    std::vector<std::string> protokoll;
    if (const std::string f = AufnahmePruefen(a, p_.Programmordner, protokoll); !f.empty()) {
        p_.Meldungen.Zeige(TBoxTyp::Warnung, f);
        return;
    }
    if (!fenster_.Spiel->WiederholungStarten(a)) return;
    ZentriereAufBildschirm(fenster_.Spiel);
    p_.ModalZeigen(*fenster_.Spiel);
    p_.Feld.SetzeStandardGroesse();
}

void TFrm_Main::Spieleinstellungen() {
    TFrm_Spieleinstellungen& d = *fenster_.Spieleinstellungen;
    d.DialogLaden();
    ZentriereAufBildschirm(&d);
    if (p_.ModalZeigen(d) == QDialog::Accepted)
        SpielStartenAktivieren(d.LV_Level->topLevelItemCount() > 0);
}

void TFrm_Main::Open_Highscore() {
    fenster_.Highscore->ListeFuellen();
    ZentriereAufBildschirm(fenster_.Highscore);
    p_.ModalZeigen(*fenster_.Highscore);
}

void TFrm_Main::Btn_InfoClick() {
    ZentriereAufBildschirm(fenster_.Info);
    p_.ModalZeigen(*fenster_.Info);
}

void TFrm_Main::Beenden() {
    close();
}

void TFrm_Main::Open_Homepage() {
    p_.WebseiteOeffnen(HomepageAdresse());
}

// ---- Program start ----

namespace {

// The window is built from these arguments on first use and owned by besitz.
template <class T, class... A>
void Bauen(TFensterPlatz<T>& platz, std::unique_ptr<T>& besitz, A&... argumente) {
    platz.Bauplan([b = &besitz, ... a = &argumente] {
        *b = std::make_unique<T>(*a...);
        return b->get();
    });
}

}  // namespace

struct TProgramm::TBesitz {
    std::unique_ptr<TFrm_Main> Main;
    std::unique_ptr<TFrm_BildOrdner> BildOrdner;
    std::unique_ptr<TFrm_Editor> Editor;
    std::unique_ptr<TFrm_Editoreinstellungen> Editoreinstellungen;
    std::unique_ptr<TFrm_Spieleinstellungen> Spieleinstellungen;
    std::unique_ptr<TFrm_Steuerung> Steuerung;
    std::unique_ptr<TFrm_Spiel> Spiel;
    std::unique_ptr<TFrm_Highscore> Highscore;
    std::unique_ptr<TFrm_Taste> Taste;
    std::unique_ptr<TFrm_Info> Info;
};

TProgramm::TProgramm(TProgrammDaten& p) : besitz_(std::make_unique<TBesitz>()) {
    TBesitz& b = *besitz_;
    b.Main = std::make_unique<TFrm_Main>(p, Fenster);
    Fenster.Main = b.Main.get();
    // The rest are built when first used; what their creation does to the program's state runs
    // now, in the order of creation: the image folders are set before the image sets are loaded
    // from them, then the highscore list is loaded.
    TFrm_BildOrdner::Programmstart(p);
    TFrm_Editor::Programmstart(p);
    TFrm_Highscore::Programmstart(p);
    Bauen(Fenster.BildOrdner, b.BildOrdner, p);
    Bauen(Fenster.Editor, b.Editor, p, Fenster);
    Bauen(Fenster.Editoreinstellungen, b.Editoreinstellungen);
    Bauen(Fenster.Spieleinstellungen, b.Spieleinstellungen, p, Fenster);
    Bauen(Fenster.Steuerung, b.Steuerung, p, Fenster);
    Bauen(Fenster.Spiel, b.Spiel, p);
    Bauen(Fenster.Highscore, b.Highscore, p);
    Bauen(Fenster.Taste, b.Taste);
    Bauen(Fenster.Info, b.Info, p);
}

TProgramm::~TProgramm() {
    // The main window goes last: the others may still refer to it while they close.
    TBesitz& b = *besitz_;
    b.Info.reset();
    b.Taste.reset();
    b.Highscore.reset();
    b.Spiel.reset();
    b.Steuerung.reset();
    b.Spieleinstellungen.reset();
    b.Editoreinstellungen.reset();
    b.Editor.reset();
    b.BildOrdner.reset();
    b.Main.reset();
}
