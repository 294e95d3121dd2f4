#include "netz/ULockstep.h"

#include <algorithm>

#include "files/UBytes.h"

namespace {

bool Vorher(const TNetzEingabe& a, const TNetzEingabe& b) {
    if (a.Zeit != b.Zeit) return a.Zeit < b.Zeit;
    if (a.Spieler != b.Spieler) return a.Spieler < b.Spieler;
    return a.Nr < b.Nr;
}

}  // namespace

TLockstep::TLockstep(int spieler, std::uint32_t verzoegerung, std::uint8_t match)
    : spieler_(spieler), verzoegerung_(std::max<std::uint32_t>(verzoegerung, 1)), match_(match) {}

std::uint64_t TLockstep::Eigene(TEingabeArt art, std::uint16_t wert, std::uint64_t jetzt) {
    // Never before an input already sent: the other side may hold that one's horizon.
    const std::uint64_t stempel = std::max(jetzt + verzoegerung_, letzterStempel_);
    letzterStempel_ = stempel;
    const TNetzEingabe e{stempel, std::uint8_t(spieler_), ++eigeneNr_, art, wert};
    offen_.push_back(e);
    Einreihen(e);
    return stempel;
}

void TLockstep::Einreihen(const TNetzEingabe& e) {
    warteschlange_.insert(std::upper_bound(warteschlange_.begin(), warteschlange_.end(), e, Vorher),
                          e);
}

std::string TLockstep::Takt(std::uint64_t jetzt) {
    TSchreiber s;
    s.Zahl(kNachrichtTakt, 1);
    s.Zahl(match_, 1);
    s.Zahl(++paketNr_, 4);
    // Every later own input is stamped at least jetzt + delay; the ones sent may lie beyond.
    s.Zahl(jetzt + verzoegerung_ - 1, 8);
    s.Zahl(empfangenBis_, 4);
    const std::size_t n = std::min(offen_.size(), kTaktMaxEingaben);
    s.Zahl(n == 0 ? eigeneNr_ + 1 : offen_.front().Nr, 4);
    s.Zahl(n, 1);
    for (std::size_t i = 0; i < n; ++i) {
        s.Zahl(offen_[i].Zeit, 8);
        s.Zahl(static_cast<std::uint8_t>(offen_[i].Art), 1);
        s.Zahl(offen_[i].Wert, 2);
    }
    return std::move(s.aus_);
}

bool TLockstep::Erlaubt(const TNetzEingabe& e) const {
    // Only the sender's own player, only the six actions; raw keys and the simulator's inputs
    // never cross the wire.
    if (e.Art == TEingabeArt::Aktion) {
        const TPadAktion a = PadAktionVon(e.Wert);
        return a.Spieler == Gegner() && a.Slot <= 5;
    }
    return (e.Art == TEingabeArt::Neustart || e.Art == kBereit) && e.Wert == 0;
}

bool TLockstep::Empfangen(std::string_view paket, std::uint64_t jetzt) {
    TLeser l(paket);
    std::uint64_t art = 0, match = 0, nr = 0, horizont = 0, ack = 0, erste = 0, anzahl = 0;
    if (!l.Zahl(art, 1) || art != kNachrichtTakt || !l.Zahl(match, 1)) return false;
    // The last match's packets, or the next one's before this side has begun it: all they say
    // comes again.
    if (match != match_) return true;
    if (!l.Zahl(nr, 4) || !l.Zahl(horizont, 8) || !l.Zahl(ack, 4) || !l.Zahl(erste, 4) ||
        !l.Zahl(anzahl, 1) || anzahl > kTaktMaxEingaben || horizont > jetzt + kMaxVorsprung ||
        ack > eigeneNr_)
        return false;
    std::vector<TNetzEingabe> neu;
    std::uint64_t zeit = peerLetzteZeit_;
    for (std::uint64_t i = 0; i < anzahl; ++i) {
        std::uint64_t t = 0, a = 0, w = 0;
        if (!l.Zahl(t, 8) || !l.Zahl(a, 1) || !l.Zahl(w, 2)) return false;
        const std::uint64_t n = erste + i;
        // Acknowledged inputs are never sent again, so numbers run on without a gap.
        if (n > empfangenBis_ + 1 + neu.size()) return false;
        if (n <= empfangenBis_ + neu.size()) continue;  // a repetition
        const TNetzEingabe e{t, std::uint8_t(Gegner()), std::uint32_t(n),
                             static_cast<TEingabeArt>(a), std::uint16_t(w)};
        // After what was announced complete, in time order, not far ahead.
        if (!Erlaubt(e) || t > jetzt + kMaxVorsprung || t < zeit ||
            (peerHorizont_ && t <= *peerHorizont_))
            return false;
        zeit = t;
        neu.push_back(e);
    }
    if (!l.AmEnde() || peerWartend_ + neu.size() > kMaxWartend) return false;
    // A packet overtaken by a later one announces less: its inputs are all known already.
    if (!peerHorizont_ || horizont > *peerHorizont_) peerHorizont_ = horizont;
    while (!offen_.empty() && offen_.front().Nr <= ack) offen_.pop_front();
    for (const TNetzEingabe& e : neu) {
        Einreihen(e);
        if (e.Art == TEingabeArt::Neustart) ++peerNeustarts_;
    }
    empfangenBis_ += std::uint32_t(neu.size());
    peerWartend_ += neu.size();
    peerLetzteZeit_ = zeit;
    return true;
}

std::optional<TNetzEingabe> TLockstep::Naechste(std::uint64_t t) {
    if (warteschlange_.empty() || warteschlange_.front().Zeit > t) return std::nullopt;
    const TNetzEingabe e = warteschlange_.front();
    if (e.Spieler != spieler_) --peerWartend_;
    warteschlange_.pop_front();
    return e;
}

std::vector<TNetzEingabe> TLockstep::Bis(std::uint64_t t) {
    std::vector<TNetzEingabe> r;
    while (const auto e = Naechste(t)) r.push_back(*e);
    return r;
}
