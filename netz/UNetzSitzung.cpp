#include "netz/UNetzSitzung.h"

#include <set>

#include "files/UDateiInhalt.h"
#include "files/URecords.h"
#include "netz/UPruefsumme.h"

namespace {

const std::string ungueltig =
    "Der Mitspieler hat ungültige Daten geschickt; die Verbindung wurde getrennt.";

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
    Scheitern(zustand_ == TNetzZustand::Verbinden && !gastgeber_
                  ? "Der Gastgeber antwortet nicht."
                  : "Die Verbindung zum Mitspieler ist abgebrochen.",
              3, std::nullopt);
}

void TNetzSitzung::Verlassen() {
    if (zustand_ == TNetzZustand::Fertig || zustand_ == TNetzZustand::Fehler) return;
    Scheitern("Das Spiel wurde verlassen.", 3, TAbschied::Verlassen);
}

bool TNetzSitzung::SeiteBauen(TAufnahme a, std::uint32_t verzoegerung) {
    simVerzoegerung_ = verzoegerung;
    seite_ = std::make_unique<TNetzSeite>(std::move(a), Spieler(), verzoegerung, u_.Feld, u_.Bilder,
                                          u_.Meldungen, u_.Ansicht);
    seite_->Match().BilderNurZeigen();
    return seite_->Starten();
}

void TNetzSitzung::Starten(std::uint64_t wand) {
    start_ = wand;
    zustand_ = TNetzZustand::Laeuft;
}

void TNetzSitzung::Empfangen(int kanal, std::string_view d, std::uint64_t wand) {
    if (zustand_ == TNetzZustand::Fehler || zustand_ == TNetzZustand::Fertig) return;
    zuletztGehoert_ = wand;
    if (kanal == 1) {
        // The guest may hear the host's first input packet before its start message.
        if (!seite_ || !seite_->Lockstep().Empfangen(d, seite_->Zeit()))
            Scheitern(ungueltig, 3, TAbschied::UngueltigeDaten);
        return;
    }
    Nachricht(d, wand);
}

void TNetzSitzung::Nachricht(std::string_view d, std::uint64_t wand) {
    const auto art = NachrichtArt(d);
    TZahlen z;
    if (art == TNachricht::Tschuess && DekodierenZahlen(d, *art, z)) {
        const auto grund = static_cast<TAbschied>(z.A);
        if (grund == TAbschied::Vorbei && seite_ && seite_->Spiel().MatchVorbei()) {
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
            Senden(0, Kodieren(TWillkommen{2, v, o_.Tempo}));
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
            Senden(0, KodierenZahlen(TNachricht::Start, 0));
            Starten(wand);
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
    } else if (zustand_ == TNetzZustand::Laden && seite_ && art == TNachricht::Start &&
               DekodierenZahlen(d, *art, z)) {
        Starten(wand);
    } else {
        Scheitern(ungueltig, 3, TAbschied::UngueltigeDaten);
    }
}

std::uint64_t TNetzSitzung::Ziel(std::uint64_t wand) const {
    return wand > start_ ? (wand - start_) * o_.Tempo : 0;
}

void TNetzSitzung::Schritt(std::uint64_t wand) {
    if (zustand_ == TNetzZustand::Fehler || zustand_ == TNetzZustand::Fertig) return;
    if (zustand_ < TNetzZustand::Laeuft) {
        if (!beginn_) beginn_ = wand;  // the clock of the transport may start anywhere
        if (wand - *beginn_ > kAufbauFrist)
            Scheitern(zustand_ == TNetzZustand::Verbinden && !gastgeber_
                          ? "Der Gastgeber antwortet nicht."
                          : "Zeitüberschreitung beim Verbindungsaufbau.",
                      3, TAbschied::Verlassen);
        return;
    }
    if (wand - zuletztGehoert_ > kVerbindungFrist)
        return Scheitern("Die Verbindung zum Mitspieler ist abgebrochen.", 3, std::nullopt);
    TNetzSeite& s = *seite_;
    const std::uint64_t ziel = Ziel(wand);
    if (zustand_ == TNetzZustand::Laeuft) {
        s.Laufen(ziel);
        if (s.Wartet(ziel)) {
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
    if (wand - zuletztGesendet_ >= kTaktAbstand || s.Lockstep().Unbestaetigt() > 0) {
        Senden(1, s.Lockstep().Takt(s.Zeit()));
        zuletztGesendet_ = wand;
    }
    // The end: once the other side has reached it too and holds every own input.
    if (zustand_ == TNetzZustand::Abschluss && s.Lockstep().Unbestaetigt() == 0 &&
        s.Lockstep().Grenze() && *s.Lockstep().Grenze() + 1 >= s.Zeit() + simVerzoegerung_) {
        Senden(0, KodierenZahlen(TNachricht::Tschuess, std::uint64_t(TAbschied::Vorbei), s.Zeit()));
        zustand_ = TNetzZustand::Fertig;
    }
}

std::string TNetzSitzung::Status(std::uint64_t wand) const {
    if (!wartetSeit_ || wand - *wartetSeit_ < kWarteAnzeige) return {};
    return "Warte auf Mitspieler … (" + std::to_string((wand - *wartetSeit_) / 1000) + " s)";
}

void TNetzSitzung::Aktion(int slot) {
    if (zustand_ == TNetzZustand::Laeuft && slot >= 0 && slot <= 5)
        seite_->Eingabe(TEingabeArt::Aktion, PadAktionWert(Spieler(), slot));
}

void TNetzSitzung::Neustart() {
    if (zustand_ == TNetzZustand::Laeuft) seite_->Eingabe(TEingabeArt::Neustart);
}

void TNetzSitzung::Bereit() {
    if (zustand_ != TNetzZustand::Laeuft || bereitGesendet_ ||
        !seite_->Spiel().NaechsteRundeAktiv())
        return;
    bereitGesendet_ = true;
    seite_->Eingabe(kBereit);
}
