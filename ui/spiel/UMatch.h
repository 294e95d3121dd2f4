// The match a window shows: the players at this machine, a replay, or a network match. Each owns
// its engine, its clock or session, and its recording; the window draws the board, passes the
// inputs on and lets the match go when it closes. It never asks which kind it shows.
#pragma once

#include <QString>
#include <cstdint>

class TSpiel;

class IMatch {
  public:
    virtual ~IMatch() = default;

    // The window's title while it shows this match.
    virtual QString Titel() const = 0;
    // Puts up the match's own controls and starts its clock; false when the first round could not
    // be set out (reported).
    virtual bool Starten() = 0;
    // The engine whose board the window shows.
    virtual TSpiel& Spiel() = 0;
    // The keys and pads of the players at this machine reach it.
    virtual bool Steuerbar() const { return true; }

    // A key reached the board (not one of the window's own).
    virtual void Taste(std::uint16_t taste) = 0;
    // A pad's action (slot 0..5) for the player the pad is bound to.
    virtual void PadAktion(int spieler, int slot) = 0;
    virtual void NaechsteRunde() = 0;
    virtual void Neustart() = 0;
    // Whether "Nächste Runde" can be pressed when the engine says 'an'.
    virtual bool NaechsteRundeFrei(bool an) const { return an; }

    // The window lets the match go (closed, or another match follows): what was played is kept,
    // the other side hears of it, the match's controls go. Called once.
    virtual void Beenden() = 0;
};
