#include "werkzeug/UNetz.h"

#include <optional>
#include <random>

#include "files/UEinstellungenDatei.h"
#include "files/UPfad.h"
#include "match/URegelVersion.h"
#include "model/USturmRinge.h"
#include "netz/UNetzSitzung.h"
#include "transport/UAdressen.h"
#include "transport/UEnetTransport.h"
#include "transport/UNetzBetrieb.h"
#include "werkzeug/UKonsolenMeldungen.h"
#include "wiederholung/UAufnahmeDatei.h"

const char* const kNetzEroeffnenHilfe =
    "Aufruf: knallfeld-werkzeug netz-eroeffnen --port P [OPTIONEN] [LEVEL.dat ...]\n"
    "Eröffnet ein Netzwerkspiel ohne Fenster und wartet auf einen Mitspieler\n"
    "(netz-beitreten). Der Gastgeber spielt Spieler 1, der Gast Spieler 2.\n"
    "\n"
    "Optionen:\n"
    "  --port P                   UDP-Port (0: ein freier, er wird genannt)\n"
    "  --einstellungen DATEI.sps  Einstellungen und Levelliste aus einer Einstellungsdatei\n"
    "  --runden N                 Anzahl der Runden (1 bis 255)\n"
    "  --seed N                   Startwert des Zufalls (sonst aus der Uhr)\n"
    "  --tempo T                  die Spielzeit läuft T-mal so schnell wie die Uhr (1 bis 50)\n"
    "  --zufallsspieler N         der eigene Spieler handelt zufällig mit diesem Startwert\n"
    "  --computer                 der Computer spielt den eigenen Spieler\n"
    "  --sturmflut MIN            Sturmflut nach MIN Minuten einer Runde (1 bis 10)\n"
    "  --aufnahme DATEI.kfw       speichert das Match als Wiederholung\n"
    "\n"
    "Ausgabe wie simulieren. Rückgabewert: 0 Match beendet; 2 falscher Aufruf; 3 Verbindung\n"
    "gescheitert oder verloren; 4 die Spiele liefen auseinander; 10 Dateifehler.\n";

const char* const kNetzBeitretenHilfe =
    "Aufruf: knallfeld-werkzeug netz-beitreten HOST[:PORT] [OPTIONEN]\n"
    "Tritt einem Netzwerkspiel ohne Fenster bei (Port sonst 41414).\n"
    "\n"
    "Optionen:\n"
    "  --name NAME                der eigene Name (höchstens 20 Zeichen)\n"
    "  --zufallsspieler N         der eigene Spieler handelt zufällig mit diesem Startwert\n"
    "  --computer                 der Computer spielt den eigenen Spieler\n"
    "  --aufnahme DATEI.kfw       speichert das Match als Wiederholung\n"
    "\n"
    "Rückgabewert wie bei netz-eroeffnen.\n";

namespace {

constexpr int kAufrufFehler = 2, kVerbindungsFehler = 3, kDateiFehler = 10;

struct TNetzAufruf {
    std::optional<unsigned long> Port;
    std::string Adresse, Einstellungen, Aufnahme, Name = "Gast";
    std::optional<unsigned long long> Runden, Saat, Zufallsspieler, Sturmflut;
    unsigned long long Tempo = 1;
    bool Computer = false;
    std::vector<std::string> Level;
};

std::string Lesen(const std::vector<std::string>& args, bool gastgeber, TNetzAufruf& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        TOptionsWert l{args, i};
        std::optional<unsigned long long> z;
        if (a == "--aufnahme") {
            if (!l.Wert(o.Aufnahme)) return "Nach --aufnahme fehlt der Dateiname.";
        } else if (a == "--zufallsspieler") {
            if (!l.Zahl(0, UINT64_MAX, o.Zufallsspieler))
                return "--zufallsspieler braucht eine ganze Zahl ab 0.";
        } else if (a == "--computer") {
            o.Computer = true;
        } else if (gastgeber && a == "--port") {
            if (!l.Zahl(0, 65535, z)) return "--port braucht eine Zahl von 0 bis 65535.";
            o.Port = *z;
        } else if (gastgeber && a == "--einstellungen") {
            if (!l.Wert(o.Einstellungen)) return "Nach --einstellungen fehlt der Dateiname.";
        } else if (gastgeber && a == "--runden") {
            if (!l.Zahl(1, 255, o.Runden)) return "--runden braucht eine Zahl von 1 bis 255.";
        } else if (gastgeber && a == "--sturmflut") {
            if (!l.Zahl(1, kSturmflutMaxMinuten, o.Sturmflut))
                return "--sturmflut braucht eine Zahl von 1 bis 10.";
        } else if (gastgeber && a == "--seed") {
            if (!l.Zahl(0, UINT64_MAX, o.Saat)) return "--seed braucht eine ganze Zahl ab 0.";
        } else if (gastgeber && a == "--tempo") {
            if (!l.Zahl(1, 50, z)) return "--tempo braucht eine Zahl von 1 bis 50.";
            o.Tempo = *z;
        } else if (!gastgeber && a == "--name") {
            if (!l.Wert(o.Name) || o.Name.empty()) return "Nach --name fehlt der Name.";
        } else if (a.size() > 1 && a[0] == '-') {
            return "Unbekannte Option: " + a;
        } else if (gastgeber) {
            o.Level.push_back(a);
        } else if (o.Adresse.empty()) {
            o.Adresse = a;
        } else {
            return "Zu viele Argumente: " + a;
        }
    }
    if (gastgeber && !o.Port) return "--port fehlt.";
    if (!gastgeber && o.Adresse.empty()) return "Die Adresse des Gastgebers fehlt.";
    if (o.Computer && o.Zufallsspieler)
        return "--computer und --zufallsspieler schließen sich aus.";
    return {};
}

// Serves one side until its match has ended or failed; prints the lines as they come.
int Spielen(TEnetTransport& t, TNetzSitzung& s, const TNetzAufruf& o, std::ostream& aus,
            std::ostream& fehler) {
    std::mt19937_64 zufall(o.Zufallsspieler.value_or(0));
    std::uint64_t naechsteAktion = 0;
    std::size_t gedruckt = 0;
    for (;;) {
        NetzBedienen(t, s, 2);
        if (s.Zustand() == TNetzZustand::Laeuft) {
            TNetzSeite& seite = *s.Seite();
            if (o.Zufallsspieler && seite.Zeit() >= naechsteAktion) {
                s.Aktion(int(zufall() % 6));
                naechsteAktion = seite.Zeit() + 80 + zufall() % 400;
            }
            s.Bereit();
        }
        if (s.Seite())
            for (; gedruckt < s.Seite()->Protokoll().size(); ++gedruckt)
                aus << s.Seite()->Protokoll()[gedruckt] << '\n';
        if (s.Zustand() == TNetzZustand::Fertig || s.Zustand() == TNetzZustand::Fehler) break;
    }
    aus.flush();
    t.Trennen();
    int r = 0;
    if (s.Zustand() == TNetzZustand::Fehler) {
        fehler << s.Fehler() << '\n';
        r = s.Rueckgabe();
    }
    // What both sides played is kept, whatever ended it.
    if (!o.Aufnahme.empty() && s.Seite()) {
        if (const std::string f = AufnahmeSchreiben(o.Aufnahme, s.Seite()->Aufnahme());
            !f.empty()) {
            fehler << f << '\n';
            if (r == 0) r = kDateiFehler;
        }
    }
    return r;
}

struct TMaschine {
    explicit TMaschine(std::ostream& f)
        : Meldungen(f), Konsole(f), Fehler(Konsole), Bilder(Fehler) {
        Bilder.StandardOrdner(Programmordner());
        Bilder.BilderNeuLaden();
    }
    TMatchMeldungen Meldungen;
    TKonsolenMeldungen Konsole;
    TDateiFehler Fehler;
    TBilderSets Bilder;
    TSpielfeld Feld;
    TKeineAnsicht Ansicht;
    TNetzUmgebung Umgebung() { return {Feld, Bilder, Meldungen, Ansicht}; }
};

}  // namespace

int NetzEroeffnen(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
    TNetzAufruf o;
    if (const std::string k = Lesen(args, true, o); !k.empty()) {
        fehler << k << " Hilfe mit --help.\n";
        return kAufrufFehler;
    }
    TMaschine m(fehler);
    TEinstellungen einst;
    einst.Arbeitskopie = einst.EinstellungenHolen();
    if (!o.Einstellungen.empty() && EinstellungenLaden(einst, m.Fehler, o.Einstellungen))
        return kDateiFehler;
    if (!o.Level.empty()) {
        einst.LevellisteLoeschen();
        for (const auto& l : o.Level) einst.LevelAnhaengen(l);
    }
    if (einst.Levelliste().empty() || einst.Levelliste().size() > 255) {
        fehler << "Es ist kein Level angegeben (höchstens 255). Hilfe mit --help.\n";
        return kAufrufFehler;
    }
    einst.LevelAnzahl = std::uint16_t(einst.Levelliste().size());
    TSpielRecEinstellungen e = einst.Arbeitskopie;
    if (o.Runden) e.Rundenanzahl = std::uint8_t(*o.Runden);
    e.Spieler1.Computer = o.Computer;
    e.Spieler2.Computer = false;
    einst.EinstellungenSetzen(e);
    einst.Arbeitskopie = e;
    einst.Sturmflut = std::uint8_t(o.Sturmflut.value_or(0));
    TAufnahme daten = SpieldatenLesen(einst, o.Saat ? *o.Saat : SaatAusUhr());
    for (const TAufnahmeLevel& l : daten.Level)
        if (!l.Allgemein || !l.Zellen) {
            fehler << "Das Level \"" << l.Pfad << "\" kann nicht gelesen werden.\n";
            return kDateiFehler;
        }
    TEnetTransport t;
    if (!t.Eroeffnen(std::uint16_t(*o.Port),
                     Kodieren(TAbgelehnt{TAblehnung::Besetzt, kNetzProtokoll, kRegelVersion}))) {
        fehler << t.Fehler << '\n';
        return kVerbindungsFehler;
    }
    fehler << "Warte auf einen Mitspieler an Port " << t.Port() << " ...\n";
    fehler.flush();
    TNetzOptionen no;
    no.Tempo = std::uint8_t(o.Tempo);
    no.Regeln = kRegelVersion;
    TNetzSitzung s(no, m.Umgebung(), std::move(daten));
    return Spielen(t, s, o, aus, fehler);
}

int NetzBeitreten(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
    TNetzAufruf o;
    if (const std::string k = Lesen(args, false, o); !k.empty()) {
        fehler << k << " Hilfe mit --help.\n";
        return kAufrufFehler;
    }
    std::string host, text;
    std::optional<std::uint16_t> port;
    if (!AdresseZerlegen(o.Adresse, host, port, text)) {
        fehler << text << '\n';
        return kAufrufFehler;
    }
    const std::string ip = AdresseAufloesen(host, text);
    if (ip.empty()) {
        fehler << text << '\n';
        return kVerbindungsFehler;
    }
    TMaschine m(fehler);
    TEnetTransport t;
    if (!t.Verbinden(ip, port.value_or(kNetzStandardPort))) {
        fehler << t.Fehler << '\n';
        return kVerbindungsFehler;
    }
    TNetzOptionen no;
    no.Name = o.Name;
    no.Computer = o.Computer;
    no.Regeln = kRegelVersion;
    TNetzSitzung s(no, m.Umgebung(), std::nullopt);
    return Spielen(t, s, o, aus, fehler);
}
