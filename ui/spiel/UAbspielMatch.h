// A recording plays in the window: its own engine and clock, nothing reaches the players,
// "Nächste Runde" jumps to the end of the round, and the replay bar pauses and speeds it up.
#pragma once

#include "ui/spiel/UMatch.h"
#include "wiederholung/UAbspielen.h"

class TFrm_Spiel;

class TAbspielMatch final : public IMatch {
  public:
    TAbspielMatch(TFrm_Spiel& f, TAufnahme a);

    QString Titel() const override { return QStringLiteral("Knallfeld - Wiederholung"); }
    bool Starten() override;
    TSpiel& Spiel() override { return abspieler_.Spiel(); }
    bool Steuerbar() const override { return false; }
    void Taste(std::uint16_t) override {}
    void PadAktion(int, int) override {}
    void NaechsteRunde() override;
    void Neustart() override {}
    // The button jumps ahead and stays usable to the end.
    bool NaechsteRundeFrei(bool an) const override { return an || !abspieler_.Fertig(); }
    void Beenden() override;

    void PauseUmschalten();
    void TempoUmschalten();
    TAbspieler& Abspieler() { return abspieler_; }

  private:
    void Aktualisieren();

    TFrm_Spiel& f_;
    TAufnahme aufnahme_;
    TAbspieler abspieler_;
    int tempo_ = 1;
};
