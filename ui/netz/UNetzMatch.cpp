#include "ui/netz/UNetzMatch.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>

#include "transport/UNetzBetrieb.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/netz/UChatZeilen.h"
#include "ui/netz/UCountdown.h"
#include "ui/programm/UProgrammDaten.h"
#include "ui/programm/UWiederholungen.h"
#include "ui/spiel/USpielFenster.h"
#include "ui/spiel/USpielGitter.h"
#include "ui/spiel/USpielMasse.h"

namespace {

// How long a refused chat line's reason stands in the chat.
constexpr std::uint64_t kChatFehlerAnzeige = 3000;

}  // namespace

TNetzMatch::TNetzMatch(TFrm_Spiel& f, std::unique_ptr<TNetzDienst> dienst)
    : f_(f), dienst_(std::move(dienst)) {}

TNetzMatch::~TNetzMatch() {
    delete frage_.data();
}

bool TNetzMatch::Starten() {
    TNetzSitzung& s = dienst_->Sitzung();
    if (!s.Seite()) return false;
    f_.NetzZeilen(true);
    countdown_ = std::make_unique<TCountdown>(*f_.Pn_Feld);
    QObject::connect(f_.Ed_Chat, &QLineEdit::returnPressed, f_.Ed_Chat, [this] { ChatSenden(); });
    s.Abgeschlossen = [this](TNetzSeite& seite) { Ablegen(seite); };
    dienst_->Geaendert = [this] { Aktualisieren(); };
    Aktualisieren();
    return true;
}

void TNetzMatch::Taste(std::uint16_t taste) {
    const TSpielRecEinstellungen e = f_.Daten().Einstellungen.EinstellungenHolen();
    if (const int slot = SlotVonTaste(e, taste); slot >= 0) dienst_->Sitzung().Aktion(slot);
}

void TNetzMatch::NaechsteRunde() {
    dienst_->Sitzung().Bereit();
    // This side now waits for the other one's "ready"; one click is enough.
    f_.Btn_Next->setEnabled(false);
}

void TNetzMatch::Neustart() {
    TNetzSitzung& s = dienst_->Sitzung();
    if (s.RevancheMoeglich())
        s.RevancheWuenschen(WandMs());
    else
        s.NeustartFragen();
    dienst_->Bedienen();
}

void TNetzMatch::ChatSenden() {
    const std::string zeile = f_.Ed_Chat->text().trimmed().toStdString();
    const std::uint64_t wand = WandMs();
    chatFehler_ = dienst_->Sitzung().ChatSenden(zeile, wand);
    chatFehlerBis_ = wand + kChatFehlerAnzeige;
    if (chatFehler_.empty()) f_.Ed_Chat->clear();
    // Back to the board: the players' keys steer again.
    f_.SG_Feld->setFocus(Qt::OtherFocusReason);
    dienst_->Bedienen();
}

void TNetzMatch::Aktualisieren() {
    TNetzSitzung& s = dienst_->Sitzung();
    const std::uint64_t wand = WandMs();
    const QString name = QText(s.Mitspieler());
    f_.Lb_Netz->setText(QStringLiteral("Mitspieler: ") + name + QLatin1Char('\n') +
                        QText(dienst_->Status()));
    QStringList zeilen;
    for (const TChatZeile& z : s.Chat())
        zeilen << (z.Eigen ? QStringLiteral("Ich") : name) + QStringLiteral(": ") + QText(z.Text);
    if (!chatFehler_.empty() && wand < chatFehlerBis_) zeilen << QText(chatFehler_);
    // Plain text: a line from the other side is shown as typed, never as markup.
    f_.Lb_Chat->setText(
        ChatUmbrechen(zeilen, f_.Lb_Chat->font(), f_.Lb_Chat->width(), kChatAnzeigeZeilen));
    countdown_->Zeigen(s.Countdown(wand));
    if (s.NeustartGefragt() && !frage_) {
        frage_ = new QMessageBox(QMessageBox::Question, f_.windowTitle(),
                                 name + QStringLiteral(" möchte das Match neu starten."),
                                 QMessageBox::Yes | QMessageBox::No, &f_);
        frage_->setTextFormat(Qt::PlainText);
        frage_->setWindowModality(Qt::NonModal);
        frage_->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(frage_, &QMessageBox::finished, &f_, [this](int r) {
            dienst_->Sitzung().NeustartAntworten(r == QMessageBox::Yes);
            dienst_->Bedienen();
        });
        frage_->show();
    } else if (!s.NeustartGefragt() && frage_) {
        frage_->close();  // moot: the match ended or both asked
    }
    if (s.Seite() && s.Seite()->Spiel().MatchVorbei()) Highscore();
    Knoepfe();
    if (s.Zustand() == TNetzZustand::Fehler && !gemeldet_) {
        gemeldet_ = true;
        f_.Btn_Next->setEnabled(false);
        f_.NebenMeldungen().Zeige(TBoxTyp::Fehler, s.Fehler());
    }
}

void TNetzMatch::Knoepfe() {
    TNetzSitzung& s = dienst_->Sitzung();
    const bool vorbei = s.Zustand() == TNetzZustand::Abschluss || s.RevancheMoeglich();
    f_.Btn_Neustart->setText(vorbei ? QStringLiteral("Revanche") : QStringLiteral("Neustart"));
    f_.Btn_Neustart->setEnabled(s.Zustand() == TNetzZustand::Laeuft ||
                                (s.RevancheMoeglich() && !s.RevancheGewuenscht()));
}

void TNetzMatch::Highscore() {
    TNetzSeite* seite = dienst_->Sitzung().Seite();
    if (highscore_ || !seite) return;
    const std::vector<THighscoreEintrag> neu = HighscoreEintraege(seite->Aufnahme());
    if (neu.empty()) return;
    highscore_ = true;
    TProgrammDaten& p = f_.Daten();
    HighscoreEintragen(p.Highscore, neu, p.Fehler, p.HighscoreDatei());
}

void TNetzMatch::Ablegen(TNetzSeite& seite) {
    WiederholungAblegen(seite.Aufnahme());
    Highscore();
    // The next match enters its own.
    highscore_ = false;
    seite.Spiel().FormClose();
}

void TNetzMatch::Beenden() {
    dienst_->Geaendert = nullptr;
    dienst_->Sitzung().Abgeschlossen = nullptr;
    dienst_->Beenden();
    delete frage_.data();
    // What both sides played is kept, whatever ended it.
    if (TNetzSeite* seite = dienst_->Sitzung().Seite()) Ablegen(*seite);
    f_.NebenMeldungen().Schliessen();
    QObject::disconnect(f_.Ed_Chat, &QLineEdit::returnPressed, f_.Ed_Chat, nullptr);
    f_.NetzZeilen(false);
    f_.Btn_Neustart->setText(QStringLiteral("Neustart"));
    f_.Btn_Neustart->setEnabled(true);
    countdown_.reset();
}

int SlotVonTaste(const TSpielRecEinstellungen& e, std::uint16_t taste) {
    for (int s = 1; s <= 2; ++s)
        for (int n = 1; n <= 6; ++n)
            if (taste != 0 && e.Spieler(s).Taste(n) == taste) return n - 1;
    return -1;
}
