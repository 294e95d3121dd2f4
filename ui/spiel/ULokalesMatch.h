// Both players at this machine: every input goes into the match and its recording, which is kept
// among the replays when the window lets the match go.
#pragma once

#include "match/ULevelQuelle.h"
#include "ui/spiel/UMatch.h"
#include "wiederholung/UAufgenommenesMatch.h"

class TFrm_Spiel;

class TLokalesMatch final : public IMatch {
  public:
    explicit TLokalesMatch(TFrm_Spiel& f);

    QString Titel() const override { return QStringLiteral("Knallfeld - Spiel"); }
    bool Starten() override;
    TSpiel& Spiel() override { return match_.Spiel(); }
    void Taste(std::uint16_t taste) override { Eingabe(TEingabeArt::Taste, taste); }
    void PadAktion(int spieler, int slot) override;
    void NaechsteRunde() override { Eingabe(TEingabeArt::NaechsteRunde); }
    void Neustart() override { Eingabe(TEingabeArt::Neustart); }
    void Beenden() override;

    TAufgenommenesMatch& Aufgenommen() { return match_; }

  private:
    // The match is brought up to this moment first, and the input is recorded with its time.
    void Eingabe(TEingabeArt art, std::uint16_t wert = 0);

    TFrm_Spiel& f_;
    TLevelDateiQuelle quelle_;
    TAufgenommenesMatch match_;
    bool gestartet_ = false;
    bool nimmtAuf_ = false;
};
