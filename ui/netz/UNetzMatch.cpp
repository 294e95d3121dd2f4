#include "ui/netz/UNetzMatch.h"

#include <QLabel>
#include <QPushButton>

#include "ui/basis/UFensterHilfen.h"
#include "ui/programm/UProgrammDaten.h"
#include "ui/programm/UWiederholungen.h"
#include "ui/spiel/USpielFenster.h"

TNetzMatch::TNetzMatch(TFrm_Spiel& f, std::unique_ptr<TNetzDienst> dienst)
    : f_(f), dienst_(std::move(dienst)) {}

bool TNetzMatch::Starten() {
    TNetzSitzung& s = dienst_->Sitzung();
    if (!s.Seite()) return false;
    mitspieler_ =
        s.Seite()->Spiel().Daten().Einstellungen.EinstellungenHolen().Spieler(3 - s.Spieler()).Name;
    f_.Lb_Netz->show();
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

void TNetzMatch::Aktualisieren() {
    TNetzSitzung& s = dienst_->Sitzung();
    f_.Lb_Netz->setText(QStringLiteral("Mitspieler: ") + QText(mitspieler_) + QLatin1Char('\n') +
                        QText(dienst_->Status()));
    if (s.Seite() && s.Seite()->Spiel().MatchVorbei()) Highscore();
    if (s.Zustand() == TNetzZustand::Fehler && !gemeldet_) {
        gemeldet_ = true;
        f_.Btn_Next->setEnabled(false);
        f_.NebenMeldungen().Zeige(TBoxTyp::Fehler, s.Fehler());
    }
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

void TNetzMatch::Beenden() {
    dienst_->Geaendert = nullptr;
    dienst_->Beenden();
    if (TNetzSeite* seite = dienst_->Sitzung().Seite()) {
        // What both sides played is kept, whatever ended it.
        WiederholungAblegen(seite->Aufnahme());
        Highscore();
        seite->Spiel().FormClose();
    }
    f_.NebenMeldungen().Schliessen();
    f_.Lb_Netz->hide();
}

int SlotVonTaste(const TSpielRecEinstellungen& e, std::uint16_t taste) {
    for (int s = 1; s <= 2; ++s)
        for (int n = 1; n <= 6; ++n)
            if (taste != 0 && e.Spieler(s).Taste(n) == taste) return n - 1;
    return -1;
}
