#include "netz/UNetzSeite.h"

#include "netz/UPruefsumme.h"

TNetzSeite::TNetzSeite(TAufnahme spieldaten, int spieler, std::uint32_t verzoegerung,
                       TSpielfeld& feld, TBilderSets& bilder, IMeldungen& meldungen,
                       ISpielAnsicht& ansicht, std::uint8_t match)
    : aufnahme_(std::move(spieldaten)),
      lock_(spieler, verzoegerung, match),
      match_(aufnahme_, feld, bilder, meldungen, ansicht, UINT64_MAX) {
    aufnahme_.Eingaben.clear();
    aufnahme_.Protokoll.clear();
}

bool TNetzSeite::Starten() {
    const bool ok = match_.Starten();
    eigene_[0] = Zustandshash(match_.Spiel(), match_.Uhr());
    return ok;
}

void TNetzSeite::Anwenden(const TNetzEingabe& e) {
    match_.Bis(e.Zeit);
    TSpiel& spiel = match_.Spiel();
    if (e.Art == kBereit) {
        // Counts only while the round's end waits: both sides see the same then.
        if (!spiel.NaechsteRundeAktiv()) return;
        bereit_[e.Spieler - 1] = true;
        if (!bereit_[0] || !bereit_[1]) return;
        bereit_ = {};
        aufnahme_.Eingaben.push_back({e.Zeit, TEingabeArt::NaechsteRunde, 0});
    } else {
        if (e.Art == TEingabeArt::Neustart) bereit_ = {};
        aufnahme_.Eingaben.push_back({e.Zeit, e.Art, e.Wert});
    }
    match_.Bis(e.Zeit);
    if (e.Art != TEingabeArt::Aktion && spiel.FeldAktiv()) rundeBegonnen_ = true;
}

void TNetzSeite::Laufen(std::uint64_t ziel) {
    if (!lock_.Grenze()) return;
    ziel = std::min(ziel, *lock_.Grenze());
    while (Zeit() < ziel) {
        const std::uint64_t bis = std::min(ziel, naechstePruefung_);
        while (const auto e = lock_.Naechste(bis)) {
            Anwenden(*e);
            if (rundeBegonnen_) return;
        }
        match_.Bis(bis);
        if (bis == naechstePruefung_) {
            const std::uint64_t h = Zustandshash(match_.Spiel(), match_.Uhr());
            eigene_[bis] = h;
            ausgang_.emplace_back(bis, h);
            Vergleichen(bis);
            // What the other side can still ask about lies within the last few checks.
            while (eigene_.size() > kMaxPruefsummen) eigene_.erase(eigene_.begin());
            naechstePruefung_ += kPruefAbstand;
        }
    }
}

std::vector<std::pair<std::uint64_t, std::uint64_t>> TNetzSeite::NeuePruefsummen() {
    return std::exchange(ausgang_, {});
}

bool TNetzSeite::PruefsummeEmpfangen(std::uint64_t zeit, std::uint64_t hash) {
    if (zeit % kPruefAbstand != 0 || fremde_.size() >= kMaxPruefsummen) return false;
    fremde_[zeit] = hash;
    Vergleichen(zeit);
    return true;
}

void TNetzSeite::Vergleichen(std::uint64_t zeit) {
    const auto f = fremde_.find(zeit);
    const auto e = eigene_.find(zeit);
    if (f == fremde_.end() || e == eigene_.end()) return;
    if (f->second != e->second && !abweichung_) abweichung_ = zeit;
    fremde_.erase(f);
}

TAufnahme TNetzSeite::Aufnahme() const {
    TAufnahme a = aufnahme_;
    a.Eingaben.push_back({Zeit(), TEingabeArt::Ende, 0});
    a.Protokoll = match_.Protokoll();
    return a;
}
