#include "ui/eingabe/UPadSteuerung.h"

#include <algorithm>
#include <cstdio>

#include "ui/programm/UProgrammDaten.h"
#include "ui/vorlieben/UPadWahl.h"

TPadSteuerung::TPadSteuerung(TProgrammDaten& p) : p_(p) {
    timer_.setInterval(8);
    connect(&timer_, &QTimer::timeout, this, &TPadSteuerung::Abfrage);
    suche_.setInterval(1000);
    connect(&suche_, &QTimer::timeout, this, [this] {
        if (TPadGeraete::JoystickDa()) Loslegen();
    });
    uhr_.start();
}

void TPadSteuerung::Anmelden() {
    if (hoerer_++ > 0) return;
    // SDL and its libraries are loaded only once a joystick is there.
    if (geraete_.Laeuft() || TPadGeraete::JoystickDa())
        Loslegen();
    else
        suche_.start();
}

void TPadSteuerung::Loslegen() {
    suche_.stop();
    if (!geraete_.Starten()) {
        static bool gesagt = false;
        if (!gesagt)
            std::fprintf(stderr, "Knallfeld: keine Gamepads (%s)\n", geraete_.Fehler.c_str());
        gesagt = true;
        return;
    }
    Abfrage();
    timer_.start();
}

void TPadSteuerung::Abmelden() {
    if (hoerer_ > 0 && --hoerer_ == 0) {
        timer_.stop();
        suche_.stop();
    }
}

bool TPadSteuerung::SpielerAmPad(int spieler) const {
    for (int pad = 1; pad <= 2; ++pad)
        if (verbunden_[std::size_t(pad - 1)] && p_.Pads().SpielerMit(std::uint8_t(pad)) == spieler)
            return true;
    return false;
}

void TPadSteuerung::Abfrage() {
    const auto stand = geraete_.Abfragen();
    bool geaendert = false;
    std::vector<TPadEingabe> gehalten;
    for (std::uint8_t pad = 1; pad <= 2; ++pad) {
        const auto& roh = stand[pad - 1u];
        if (bool(roh) != verbunden_[pad - 1u]) {
            verbunden_[pad - 1u] = bool(roh);
            geaendert = true;
            // A new pad nobody uses goes to the first player without one, with the defaults.
            TPadBelegung& b = p_.Pads();
            if (roh && b.SpielerMit(pad) == 0)
                for (auto& spieler : b.Spieler)
                    if (std::all_of(spieler.begin(), spieler.end(),
                                    [](auto& v) { return v.empty(); })) {
                        spieler = TPadBelegung::Standard(pad);
                        PadBelegungSpeichern(b);
                        break;
                    }
        }
        if (roh) {
            const auto h = Gehalten(pad, *roh);
            gehalten.insert(gehalten.end(), h.begin(), h.end());
        }
    }
    if (geaendert && Geaendert) Geaendert();
    for (const TPadEingabe& e : gehalten)
        if (Gedrueckt && std::find(vorher_.begin(), vorher_.end(), e) == vorher_.end())
            Gedrueckt(e);
    vorher_ = gehalten;
    for (const TPadEingabe& e : wiederholung_.Schritt(gehalten, std::uint64_t(uhr_.elapsed())))
        if (const auto wo = p_.Pads().Finde(e); wo && Aktion) Aktion(wo->first, wo->second);
}
