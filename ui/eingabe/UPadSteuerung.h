// Reads the pads while someone listens (a match, the key capture) and turns their inputs into
// the players' actions. SDL is loaded at the first listener, never at start-up.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

#include "pad/UPadGeraete.h"

class TProgrammDaten;

class TPadSteuerung : public QObject {
    Q_OBJECT
  public:
    explicit TPadSteuerung(TProgrammDaten& p);

    void Anmelden();
    void Abmelden();
    bool Verbunden(int pad) const { return verbunden_[std::size_t(pad - 1)]; }
    // Whether a player's pad inputs can arrive now (bound and connected).
    bool SpielerAmPad(int spieler) const;
    TPadGeraete& Geraete() { return geraete_; }
    // One poll now (the timer does it every 8 ms while someone listens).
    void Abfrage();

    // A player's action (slot 0..5), repeated as a held key repeats.
    std::function<void(int spieler, int slot)> Aktion;
    // Every input newly pressed, for the key capture.
    std::function<void(const TPadEingabe&)> Gedrueckt;
    // A pad was connected or removed.
    std::function<void()> Geaendert;

  private:
    void Loslegen();

    TProgrammDaten& p_;
    TPadGeraete geraete_;
    TPadWiederholung wiederholung_;
    QTimer timer_;
    QTimer suche_;  // while no joystick is there: looks for one every second
    QElapsedTimer uhr_;
    int hoerer_ = 0;
    std::array<bool, 2> verbunden_{};
    std::vector<TPadEingabe> vorher_;
};
