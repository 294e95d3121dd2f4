#include "ui/spiel/UAbspielMatch.h"

#include <QPushButton>

#include "ui/programm/UProgrammDaten.h"
#include "ui/spiel/UAbspielLeiste.h"
#include "ui/spiel/USpielFenster.h"
#include "ui/spiel/USpielGitter.h"
#include "ui/spiel/UStatusPanel.h"

TAbspielMatch::TAbspielMatch(TFrm_Spiel& f, TAufnahme a)
    : f_(f),
      aufnahme_(std::move(a)),
      abspieler_(aufnahme_, f.Daten().Feld, f.Daten().Bilder, f.AnhaltendeMeldungen(), f) {}

bool TAbspielMatch::Starten() {
    TAbspielLeiste& leiste = f_.AbspielLeiste();
    leiste.Pause = [this] { PauseUmschalten(); };
    leiste.Tempo = [this] { TempoUmschalten(); };
    leiste.Zeigen(true);
    f_.Btn_Neustart->setVisible(false);
    if (!abspieler_.Starten()) return false;
    TTaktgeber& takt = f_.Takt();
    takt.SetzeFaktor(1);
    takt.Starten({[this] { return abspieler_.Zeit(); },
                  [this](std::uint64_t t) {
                      abspieler_.Bis(t);
                      Aktualisieren();
                  },
                  [this] { return abspieler_.NaechsteFaelligkeit(); }});
    Aktualisieren();
    return true;
}

void TAbspielMatch::Aktualisieren() {
    TTaktgeber& takt = f_.Takt();
    const bool weiter = !abspieler_.Fertig();
    f_.Btn_Next->setEnabled(weiter);
    f_.AbspielLeiste().Aktualisieren(takt.Faktor() == 0, tempo_, weiter);
    if (!weiter) takt.Stoppen();
}

void TAbspielMatch::PauseUmschalten() {
    TTaktgeber& takt = f_.Takt();
    takt.SetzeFaktor(takt.Faktor() == 0 ? tempo_ : 0);
    Aktualisieren();
}

void TAbspielMatch::TempoUmschalten() {
    TTaktgeber& takt = f_.Takt();
    tempo_ = tempo_ >= 4 ? 1 : tempo_ * 2;
    if (takt.Faktor() != 0) takt.SetzeFaktor(tempo_);
    Aktualisieren();
}

void TAbspielMatch::NaechsteRunde() {
    TTaktgeber& takt = f_.Takt();
    if (takt.Angehalten()) return;
    const std::optional<std::uint64_t> t = abspieler_.NaechsteRunde();
    if (!t) return;
    // The rest of the round at once; its message still shows. Then on at the chosen speed.
    takt.Anhalten();
    f_.SG_Feld->Springen(true);
    f_.Panel->Springen(true);
    abspieler_.Bis(*t);
    f_.SG_Feld->Springen(false);
    f_.Panel->Springen(false);
    takt.Fortsetzen();
    Aktualisieren();
}

void TAbspielMatch::Beenden() {
    abspieler_.Spiel().FormClose();
    TAbspielLeiste& leiste = f_.AbspielLeiste();
    leiste.Zeigen(false);
    leiste.Pause = leiste.Tempo = nullptr;
    f_.Btn_Neustart->setVisible(true);
    f_.Takt().SetzeFaktor(1);
}
