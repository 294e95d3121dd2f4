#include "ui/netz/UNetzDienst.h"

#include <QSocketNotifier>
#include <algorithm>
#include <mutex>
#include <thread>

#include "transport/UAdressen.h"
#include "transport/UNetzBetrieb.h"

// The resolver's answer, shared with its thread: a dialog closed while it waits must not be
// touched by it.
struct TNetzDienst::TAufloesung {
    std::mutex Schutz;
    bool Fertig = false;
    std::string Adresse, Fehler;
};

TNetzDienst::TNetzDienst(TNetzOptionen o, TNetzUmgebung u, std::optional<TAufnahme> spieldaten)
    : sitzung_(std::move(o), u, std::move(spieldaten)) {
    takt_.setInterval(int(kTaktAbstand));
    connect(&takt_, &QTimer::timeout, this, &TNetzDienst::Bedienen);
}

TNetzDienst::~TNetzDienst() {
    Beenden();
}

void TNetzDienst::Lauschen() {
    if (transport_.Socket() >= 0) {
        lauscher_ = new QSocketNotifier(transport_.Socket(), QSocketNotifier::Read, this);
        connect(lauscher_, &QSocketNotifier::activated, this, &TNetzDienst::Bedienen);
    }
    takt_.start();
}

bool TNetzDienst::Eroeffnen(std::uint16_t port) {
    if (!transport_.Eroeffnen(port, Kodieren(TAbgelehnt{TAblehnung::Besetzt, kNetzProtokoll,
                                                        sitzung_.Optionen().Regeln}))) {
        Fehler = transport_.Fehler;
        return false;
    }
    Lauschen();
    return true;
}

void TNetzDienst::Verbinden(const std::string& adresse, std::uint16_t port) {
    zielPort_ = port;
    aufloesung_ = std::make_shared<TAufloesung>();
    std::thread([a = aufloesung_, name = adresse] {
        std::string fehler;
        std::string ip = AdresseAufloesen(name, fehler);
        const std::lock_guard<std::mutex> l(a->Schutz);
        a->Adresse = std::move(ip);
        a->Fehler = std::move(fehler);
        a->Fertig = true;
    }).detach();
    takt_.start();
}

void TNetzDienst::Bedienen() {
    if (beendet_) return;
    if (aufloesung_) {
        std::string ip;
        {
            const std::lock_guard<std::mutex> l(aufloesung_->Schutz);
            if (!aufloesung_->Fertig) return;
            ip = aufloesung_->Adresse;
            Fehler = aufloesung_->Fehler;
        }
        aufloesung_.reset();
        if (ip.empty() || !transport_.Verbinden(ip, zielPort_)) {
            if (Fehler.empty()) Fehler = transport_.Fehler;
            takt_.stop();
            beendet_ = true;
            if (Geaendert) Geaendert();
            return;
        }
        Lauschen();
    }
    NetzBedienen(transport_, sitzung_, 0);
    const TNetzZustand z = sitzung_.Zustand();
    if (z == TNetzZustand::Fehler && Fehler.empty()) Fehler = sitzung_.Fehler();
    if (Geaendert) Geaendert();
}

void TNetzDienst::Beenden() {
    takt_.stop();
    if (lauscher_) lauscher_->setEnabled(false);
    beendet_ = true;
    if (verlassen_) return;
    verlassen_ = true;
    sitzung_.Verlassen();
    for (const TNetzPaket& p : sitzung_.Ausgang()) transport_.Senden(p.Kanal, p.Daten);
    transport_.Trennen();
}

std::string TNetzDienst::Status() const {
    const TNetzSitzung& s = sitzung_;
    if (!s.Seite() || s.Zustand() < TNetzZustand::Laeuft) return {};
    if (s.Zustand() == TNetzZustand::Fertig) {
        const std::string r = s.Status(WandMs());
        return r.empty() ? "Das Match ist zu Ende." : r;
    }
    if (s.Zustand() == TNetzZustand::Fehler || beendet_) return "Die Verbindung ist beendet.";
    const std::uint32_t tempo = std::max<std::uint32_t>(1, s.Optionen().Tempo);
    std::string r = "Ping " + std::to_string(transport_.Rtt()) + " ms, Verzögerung " +
                    std::to_string(s.Seite()->Lockstep().Verzoegerung() / tempo) + " ms";
    if (const std::string w = s.Status(WandMs()); !w.empty()) r = w;
    return r;
}
