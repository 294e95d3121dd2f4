#include "netz/UNetzSitzung.h"

#include <set>

#include "files/UDateiInhalt.h"
#include "files/URecords.h"
#include "model/UAnsi.h"
#include "netz/UPruefsumme.h"

namespace {

const std::string ungueltig =
    "Der Mitspieler hat ungültige Daten geschickt; die Verbindung wurde getrennt.";
const std::string keinGastgeber =
    "Der Gastgeber antwortet nicht. Bitte prüfen Sie die Adresse und den Port, ob der "
    "Gastgeber das Spiel schon eröffnet hat (\"Netzwerkspiel eröffnen\") und ob eine Firewall "
    "oder ein Router dazwischen die Verbindung sperrt.";

// A level file larger than this cannot be sent.
constexpr std::size_t kLevelDateiMax = 1u << 20;

std::string Versionen(std::uint32_t fremd, std::uint32_t eigen) {
    return "Der Mitspieler hat eine andere Version von Knallfeld (Regeln " + std::to_string(fremd) +
           "); beide brauchen dieselbe (Regeln " + std::to_string(eigen) + ").";
}

void NameSetzen(std::string& rec, int spieler, const std::string& name, bool computer) {
    TSpielRecEinstellungen e =
        EntpackeEinstellungen(reinterpret_cast<const std::uint8_t*>(rec.data()));
    e.Spieler(spieler).Name = name;
    e.Spieler(spieler).Computer = computer;
    const TBytes b = PackeEinstellungen(e);
    rec.assign(b.begin(), b.end());
}

}  // namespace

void SpielerSetzen(TAufnahme& a, int spieler, const std::string& name, bool computer) {
    NameSetzen(a.Einstellungen, spieler, name, computer);
    NameSetzen(a.Arbeitskopie, spieler, name, computer);
}

TAufnahme SpieldatenLesen(const TEinstellungen& e, std::uint64_t saat) {
    TAufnahme a;
    a.Saat = saat;
    AufnahmeEinstellungen(a, e);
    std::set<std::string> gelesen;
    for (const std::string& pfad : a.Levelliste) {
        if (!gelesen.insert(pfad).second) continue;
        a.Level.push_back({pfad, DateiInhalt(pfad + ".all", kLevelDateiMax),
                           DateiInhalt(pfad, kLevelDateiMax),
                           DateiInhalt(pfad + ".bild", kLevelDateiMax)});
    }
    return a;
}

TNetzSitzung::TNetzSitzung(TNetzOptionen o, TNetzUmgebung u, std::optional<TAufnahme> spieldaten)
    : o_(std::move(o)), u_(u), spieldaten_(std::move(spieldaten)), gastgeber_(spieldaten_) {}

TNetzSitzung::~TNetzSitzung() {
    if (bilderVorher_) u_.Bilder.NurEigeneOrdner = *bilderVorher_;
}

void TNetzSitzung::Verbunden(std::uint64_t wand) {
    beginn_ = zuletztGehoert_ = wand;
    if (!gastgeber_) Senden(0, Kodieren(THallo{kNetzProtokoll, o_.Regeln, o_.Name, o_.Computer}));
}

void TNetzSitzung::Scheitern(const std::string& text, int rueckgabe,
                             std::optional<TAbschied> sagen) {
    if (zustand_ == TNetzZustand::Fehler || zustand_ == TNetzZustand::Fertig) return;
    if (sagen) {
        const std::uint64_t h = seite_ ? seite_->Zeit() : 0;
        Senden(0, KodierenZahlen(TNachricht::Tschuess, std::uint64_t(*sagen), h));
    }
    zustand_ = TNetzZustand::Fehler;
    fehler_ = text;
    rueckgabe_ = rueckgabe;
}

void TNetzSitzung::Getrennt() {
    getrennt_ = true;
    Scheitern(zustand_ == TNetzZustand::Verbinden && !gastgeber_
                  ? keinGastgeber
                  : "Die Verbindung zum Mitspieler ist abgebrochen.",
              3, std::nullopt);
}

void TNetzSitzung::Verlassen() {
    if (zustand_ == TNetzZustand::Fertig || zustand_ == TNetzZustand::Fehler) return;
    Scheitern("Das Spiel wurde verlassen.", 3, TAbschied::Verlassen);
}

bool TNetzSitzung::SeiteBauen(TAufnahme a, std::uint32_t verzoegerung) {
    simVerzoegerung_ = verzoegerung;
    daten_ = a;
    seite_.reset();  // one match on the board at a time
    seite_ = std::make_unique<TNetzSeite>(std::move(a), Spieler(), verzoegerung, u_.Feld, u_.Bilder,
                                          u_.Meldungen, u_.Ansicht, std::uint8_t(matchNr_));
    seite_->Match().BilderNurZeigen();
    return seite_->Starten();
}

void TNetzSitzung::Starten(std::uint64_t wand) {
    start_ = wand;
    zustand_ = TNetzZustand::Laeuft;
    if (o_.Countdown > 0) countdownBis_ = wand + o_.Countdown;
}

void TNetzSitzung::Anfangen(std::uint64_t wand) {
    if (!gastgeber_ || zustand_ != TNetzZustand::Treffen) return;
    Senden(0, KodierenZahlen(TNachricht::Start));
    Starten(wand);
}

void TNetzSitzung::Geladen(std::uint64_t wand) {
    zustand_ = TNetzZustand::Treffen;
    zuletztGehoert_ = wand;
    // A rematch needs no second meeting.
    if (!o_.AufStartWarten || matchNr_ > 0) Anfangen(wand);
}

void TNetzSitzung::Empfangen(int kanal, std::string_view d, std::uint64_t wand) {
    if (zustand_ == TNetzZustand::Fehler) return;
    zuletztGehoert_ = wand;
    if (kanal == 1) {
        if (zustand_ == TNetzZustand::Fertig) return;  // the last packets of a match that ended
        // The guest may hear the host's first input packet before its start message; a restart
        // counts only when this side asked for it.
        if (!seite_ || !seite_->Lockstep().Empfangen(d, seite_->Zeit()) ||
            seite_->Lockstep().FremdeNeustarts() > erlaubteNeustarts_)
            Scheitern(ungueltig, 3, TAbschied::UngueltigeDaten);
        return;
    }
    Nachricht(d, wand);
}

void TNetzSitzung::SteuerNachricht(TNachricht art, std::string_view d, std::uint64_t wand) {
    TZahlen z;
    std::string zeile;
    const bool laeuft = zustand_ == TNetzZustand::Laeuft;
    const bool vorbei = zustand_ == TNetzZustand::Abschluss || zustand_ == TNetzZustand::Fertig;
    if (art == TNachricht::Chat && zustand_ >= TNetzZustand::Treffen && DekodierenChat(d, zeile)) {
        // Lines that come faster than they may be sent are dropped, not answered.
        while (!empfangen_.empty() && wand - empfangen_.front() >= 1000) empfangen_.pop_front();
        if (empfangen_.size() >= kChatEmpfangMax) return;
        empfangen_.push_back(wand);
        return Zeile(false, std::move(zeile));
    }
    if (art == TNachricht::NeustartFrage && DekodierenZahlen(d, art, z) && (laeuft || vorbei)) {
        frage_ = true;
        // Both asked at once: both agree. Asked too late: the match is over.
        if (gefragt_ || !laeuft) NeustartAntworten(laeuft);
        return;
    }
    if (art == TNachricht::NeustartAntwort && gefragt_ && DekodierenZahlen(d, art, z)) {
        gefragt_ = false;
        if (z.A == 0) --erlaubteNeustarts_;
        antwort_ = std::pair{z.A == 1, wand};
        return;
    }
    if (art == TNachricht::Revanche && vorbei && DekodierenZahlen(d, art, z)) {
        revanche_[1] = true;
        return RevanchePruefen(wand);
    }
    if (art == TNachricht::NeuesMatch && !gastgeber_ && revanche_[0] &&
        zustand_ == TNetzZustand::Fertig && DekodierenZahlen(d, art, z)) {
        NeuAufbauen(z.A, wand);
        if (zustand_ == TNetzZustand::Fehler) return;
        Senden(0, KodierenZahlen(TNachricht::Geladen,
                                 Zustandshash(seite_->Spiel(), seite_->Match().Uhr())));
        return Geladen(wand);
    }
    Scheitern(ungueltig, 3, TAbschied::UngueltigeDaten);
}

void TNetzSitzung::Zeile(bool eigen, std::string text) {
    chat_.push_back({eigen, std::move(text)});
    while (chat_.size() > kChatZeilen) chat_.pop_front();
}

std::string TNetzSitzung::ChatSenden(const std::string& zeile, std::uint64_t wand) {
    if (zustand_ < TNetzZustand::Treffen || zustand_ == TNetzZustand::Fehler || getrennt_)
        return "Der Mitspieler ist nicht mehr verbunden.";
    if (zeile.empty()) return {};
    if (Utf8Kuerzen(zeile, kChatMaxZeichen) != zeile)
        return "Die Zeile ist zu lang (höchstens " + std::to_string(kChatMaxZeichen) + " Zeichen).";
    if (!TextGueltig(zeile, kChatMaxZeichen)) return "Die Zeile enthält Steuerzeichen.";
    while (!gesendet_.empty() && wand - gesendet_.front() >= 1000) gesendet_.pop_front();
    if (gesendet_.size() >= kChatProSekunde)
        return "Bitte langsamer: höchstens " + std::to_string(kChatProSekunde) +
               " Zeilen in der Sekunde.";
    gesendet_.push_back(wand);
    Senden(0, KodierenChat(zeile));
    Zeile(true, zeile);
    return {};
}

void TNetzSitzung::RevancheWuenschen(std::uint64_t wand) {
    if (!RevancheMoeglich() || revanche_[0]) return;
    revanche_[0] = true;
    Senden(0, KodierenZahlen(TNachricht::Revanche));
    RevanchePruefen(wand);
}

void TNetzSitzung::RevanchePruefen(std::uint64_t wand) {
    if (!gastgeber_ || !revanche_[0] || !revanche_[1] || zustand_ != TNetzZustand::Fertig) return;
    const std::uint64_t saat = daten_->Saat * 6364136223846793005u + wand;
    Senden(0, KodierenZahlen(TNachricht::NeuesMatch, saat));
    NeuAufbauen(saat, wand);
    if (zustand_ == TNetzZustand::Fehler) return;
    hashNull_ = Zustandshash(seite_->Spiel(), seite_->Match().Uhr());
    zustand_ = TNetzZustand::Laden;
    beginn_ = wand;
}

void TNetzSitzung::NeuAufbauen(std::uint64_t saat, std::uint64_t wand) {
    if (Abgeschlossen) Abgeschlossen(*seite_);
    ++matchNr_;
    TAufnahme a = *daten_;
    a.Saat = saat;
    revanche_ = {};
    gefragt_ = frage_ = bereitGesendet_ = false;
    erlaubteNeustarts_ = 0;
    antwort_.reset();
    wartetSeit_.reset();
    zuletztGehoert_ = zuletztGesendet_ = wand;
    if (!SeiteBauen(std::move(a), simVerzoegerung_))
        Scheitern("Das erste Spielfeld konnte nicht geladen werden.", 10, TAbschied::Verlassen);
}

void TNetzSitzung::Nachricht(std::string_view d, std::uint64_t wand) {
    const auto art = NachrichtArt(d);
    TZahlen z;
    if (art == TNachricht::Tschuess && DekodierenZahlen(d, *art, z)) {
        const auto grund = static_cast<TAbschied>(z.A);
        if (zustand_ == TNetzZustand::Fertig) {
            getrennt_ = grund != TAbschied::Vorbei;  // after the end, only a goodbye
        } else if (grund == TAbschied::Vorbei && seite_ && seite_->Spiel().MatchVorbei()) {
            zustand_ = TNetzZustand::Fertig;
        } else if (grund == TAbschied::Abweichung) {
            Scheitern(
                "Die beiden Spiele sind auseinandergelaufen. Das Match wird beendet; die "
                "Wiederholung ist gespeichert.",
                4, std::nullopt);
        } else if (grund == TAbschied::UngueltigeDaten) {
            Scheitern(
                "Der Mitspieler hat unsere Daten nicht verstanden; die Verbindung wurde "
                "getrennt.",
                3, std::nullopt);
        } else {
            Scheitern("Der Mitspieler hat das Spiel verlassen.", 3, std::nullopt);
        }
        return;
    }
    if (art >= TNachricht::NeustartFrage && art <= TNachricht::Chat)
        return SteuerNachricht(*art, d, wand);
    if (zustand_ == TNetzZustand::Fertig) return;  // a last check of the match that ended
    // Both sides check each other's state the same way.
    if (zustand_ >= TNetzZustand::Laeuft && art == TNachricht::Pruefsumme) {
        if (!DekodierenZahlen(d, *art, z) || !seite_->PruefsummeEmpfangen(z.A, z.B))
            Scheitern(ungueltig, 3, TAbschied::UngueltigeDaten);
        return;
    }
    if (gastgeber_) {
        THallo h;
        if (zustand_ == TNetzZustand::Verbinden && art == TNachricht::Hallo) {
            if (!Dekodieren(d, h)) return Scheitern(ungueltig, 3, TAbschied::UngueltigeDaten);
            if (h.Protokoll != kNetzProtokoll || h.Regeln != o_.Regeln) {
                Senden(0, Kodieren(TAbgelehnt{TAblehnung::Version, kNetzProtokoll, o_.Regeln}));
                return Scheitern(Versionen(h.Regeln, o_.Regeln), 3, std::nullopt);
            }
            TAufnahme a = *spieldaten_;
            SpielerSetzen(a, 2, h.Name, h.Computer);
            const std::uint32_t v = std::max<std::uint32_t>(1, o_.Verzoegerung * o_.Tempo);
            Senden(0, Kodieren(TWillkommen{2, v, o_.Tempo, o_.Countdown}));
            // The host plays from the very bytes it sends.
            const std::string daten = KodierenSpieldaten(a);
            Senden(0, daten);
            TAufnahme gesendet;
            DekodierenSpieldaten(daten, gesendet);
            if (!SeiteBauen(std::move(gesendet), v))
                return Scheitern("Das erste Spielfeld konnte nicht geladen werden.", 10,
                                 TAbschied::Verlassen);
            hashNull_ = Zustandshash(seite_->Spiel(), seite_->Match().Uhr());
            zustand_ = TNetzZustand::Laden;
            beginn_ = wand;
        } else if (zustand_ == TNetzZustand::Laden && art == TNachricht::Geladen &&
                   DekodierenZahlen(d, *art, z)) {
            if (z.A != hashNull_)
                return Scheitern("Die beiden Spiele sind auseinandergelaufen (bei 0 s Spielzeit).",
                                 4, TAbschied::Abweichung);
            Geladen(wand);
        } else {
            Scheitern(ungueltig, 3, TAbschied::UngueltigeDaten);
        }
        return;
    }
    // The guest.
    TWillkommen w;
    TAbgelehnt ab;
    if (art == TNachricht::Abgelehnt && Dekodieren(d, ab)) {
        return Scheitern(ab.Grund == TAblehnung::Besetzt
                             ? "Der Gastgeber spielt schon mit jemand anderem."
                             : Versionen(ab.Regeln, o_.Regeln),
                         3, std::nullopt);
    }
    if (zustand_ == TNetzZustand::Verbinden && art == TNachricht::Willkommen && Dekodieren(d, w) &&
        w.Spieler == 2) {
        simVerzoegerung_ = w.Verzoegerung;
        o_.Tempo = w.Tempo;
        o_.Countdown = w.Countdown;
        zustand_ = TNetzZustand::Laden;
        beginn_ = wand;
    } else if (zustand_ == TNetzZustand::Laden && !seite_ && art == TNachricht::Spieldaten) {
        TAufnahme a;
        if (!DekodierenSpieldaten(d, a).empty())
            return Scheitern(ungueltig, 3, TAbschied::UngueltigeDaten);
        // Pictures named by the host are looked up in the own folders only.
        bilderVorher_ = u_.Bilder.NurEigeneOrdner;
        u_.Bilder.NurEigeneOrdner = true;
        if (!SeiteBauen(std::move(a), simVerzoegerung_))
            return Scheitern("Das erste Spielfeld konnte nicht geladen werden.", 10,
                             TAbschied::Verlassen);
        Senden(0, KodierenZahlen(TNachricht::Geladen,
                                 Zustandshash(seite_->Spiel(), seite_->Match().Uhr())));
        zustand_ = TNetzZustand::Treffen;
    } else if (zustand_ == TNetzZustand::Treffen && art == TNachricht::Start &&
               DekodierenZahlen(d, *art, z)) {
        Starten(wand);
    } else {
        Scheitern(ungueltig, 3, TAbschied::UngueltigeDaten);
    }
}

std::uint64_t TNetzSitzung::Ziel(std::uint64_t wand) const {
    return wand > start_ ? (wand - start_) * o_.Tempo : 0;
}

void TNetzSitzung::Takten(std::uint64_t wand) {
    TNetzSeite& s = *seite_;
    if (wand - zuletztGesendet_ >= kTaktAbstand || s.Lockstep().Unbestaetigt() > 0) {
        Senden(1, s.Lockstep().Takt(s.Zeit()));
        zuletztGesendet_ = wand;
    }
}

void TNetzSitzung::Schritt(std::uint64_t wand) {
    if (zustand_ == TNetzZustand::Fehler || zustand_ == TNetzZustand::Fertig) return;
    if (!beginn_) beginn_ = wand;  // the clock of the transport may start anywhere
    if (zustand_ == TNetzZustand::Verbinden && !gastgeber_ && wand - *beginn_ > kVerbindenFrist)
        return Scheitern(keinGastgeber, 3, TAbschied::Verlassen);
    if (zustand_ < TNetzZustand::Treffen) {
        if (wand - *beginn_ > kAufbauFrist)
            Scheitern("Zeitüberschreitung beim Verbindungsaufbau.", 3, TAbschied::Verlassen);
        return;
    }
    if (wand - zuletztGehoert_ > kVerbindungFrist)
        return Scheitern("Die Verbindung zum Mitspieler ist abgebrochen.", 3, std::nullopt);
    // The meeting may last: the input packets tell the other side that this one is still here.
    if (zustand_ == TNetzZustand::Treffen) return Takten(wand);
    TNetzSeite& s = *seite_;
    if (countdownBis_ && wand >= *countdownBis_) {
        // The match's time goes on from where it stood: the countdown is not match time.
        countdownBis_.reset();
        start_ = wand - s.Zeit() / o_.Tempo;
    }
    const std::uint64_t ziel = countdownBis_ ? s.Zeit() : Ziel(wand);
    if (zustand_ == TNetzZustand::Laeuft && !countdownBis_) {
        const std::uint64_t vorher = s.Zeit();
        for (s.Laufen(ziel); s.RundeBegonnen(); s.Laufen(ziel))
            if (o_.Countdown > 0) {
                countdownBis_ = wand + o_.Countdown;
                break;
            }
        // Waiting is a match that stands still: one that runs a little behind the own clock
        // (this side began its countdown earlier) goes on at the other's pace.
        if (s.Wartet(ziel) && !countdownBis_ && s.Zeit() == vorher) {
            if (!wartetSeit_) wartetSeit_ = wand;
        } else {
            wartetSeit_.reset();
        }
        // Ready for the next round at once, as the window's button would be pressed.
        if (s.Spiel().FeldAktiv()) bereitGesendet_ = false;
        if (s.Spiel().MatchVorbei()) zustand_ = TNetzZustand::Abschluss;
    }
    for (const auto& [t, h] : s.NeuePruefsummen())
        Senden(0, KodierenZahlen(TNachricht::Pruefsumme, t, h));
    if (s.Abweichung())
        return Scheitern("Die beiden Spiele sind auseinandergelaufen (bei " +
                             std::to_string(*s.Abweichung() / 1000) +
                             " s Spielzeit). Das Match wird beendet; die Wiederholung ist "
                             "gespeichert.",
                         4, TAbschied::Abweichung);
    Takten(wand);
    // The end: once the other side has reached it too and holds every own input.
    if (zustand_ == TNetzZustand::Abschluss && s.Lockstep().Unbestaetigt() == 0 &&
        s.Lockstep().Grenze() && *s.Lockstep().Grenze() + 1 >= s.Zeit() + simVerzoegerung_) {
        Senden(0, KodierenZahlen(TNachricht::Tschuess, std::uint64_t(TAbschied::Vorbei), s.Zeit()));
        zustand_ = TNetzZustand::Fertig;
    }
}

std::string TNetzSitzung::Mitspieler() const {
    if (!seite_) return {};
    return seite_->Spiel().Daten().Einstellungen.EinstellungenHolen().Spieler(3 - Spieler()).Name;
}

std::optional<int> TNetzSitzung::Countdown(std::uint64_t wand) const {
    // Until the next step ends it: the own player's keys wait as long as it shows.
    if (!countdownBis_ || zustand_ != TNetzZustand::Laeuft) return {};
    return std::max(1, int((std::max(*countdownBis_, wand) - wand + 999) / 1000));
}

std::string TNetzSitzung::Status(std::uint64_t wand) const {
    if (wartetSeit_ && wand - *wartetSeit_ >= kWarteAnzeige)
        return "Warte auf Mitspieler … (" + std::to_string((wand - *wartetSeit_) / 1000) + " s)";
    const std::string name = Mitspieler();
    if (gefragt_) return "Warte auf die Antwort von " + name + " …";
    if (antwort_ && wand - antwort_->second < kAntwortAnzeige)
        return antwort_->first ? name + " ist einverstanden." : name + " möchte nicht neu starten.";
    if (zustand_ == TNetzZustand::Fertig && !getrennt_ && (revanche_[0] || revanche_[1]))
        return revanche_[0] ? "Warte auf " + name + " …" : name + " möchte eine Revanche.";
    if (!seite_ || !seite_->Spiel().NaechsteRundeAktiv() || zustand_ != TNetzZustand::Laeuft)
        return {};
    if (seite_->Bereit(3 - Spieler())) return name + " ist bereit.";
    if (bereitGesendet_) return "Warte auf " + name + " …";
    return {};
}

void TNetzSitzung::Aktion(int slot) {
    // Keys pressed during the countdown would act the moment it ends.
    if (zustand_ == TNetzZustand::Laeuft && !countdownBis_ && slot >= 0 && slot <= 5)
        seite_->Eingabe(TEingabeArt::Aktion, PadAktionWert(Spieler(), slot));
}

void TNetzSitzung::NeustartFragen() {
    if (zustand_ != TNetzZustand::Laeuft || gefragt_) return;
    if (frage_) return NeustartAntworten(true);  // the other side asked first
    gefragt_ = true;
    ++erlaubteNeustarts_;
    antwort_.reset();
    Senden(0, KodierenZahlen(TNachricht::NeustartFrage));
}

void TNetzSitzung::NeustartAntworten(bool ja) {
    if (!frage_ || zustand_ == TNetzZustand::Fehler) return;
    frage_ = false;
    ja = ja && zustand_ == TNetzZustand::Laeuft;
    Senden(0, KodierenZahlen(TNachricht::NeustartAntwort, ja ? 1 : 0));
    // Stamped by the side that agrees: both apply it at the same time.
    if (ja) seite_->Eingabe(TEingabeArt::Neustart);
}

void TNetzSitzung::Bereit() {
    if (zustand_ != TNetzZustand::Laeuft || bereitGesendet_ ||
        !seite_->Spiel().NaechsteRundeAktiv())
        return;
    bereitGesendet_ = true;
    seite_->Eingabe(kBereit);
}
