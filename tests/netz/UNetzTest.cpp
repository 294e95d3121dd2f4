// Two sides of a network match joined by a simulated wire (delay, jitter, loss, doubling, a
// wall clock of its own), without sockets.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "files/URecords.h"
#include "match/URegelVersion.h"
#include "netz/UPruefsumme.h"
#include "tests/netz/NetzHilfen.h"
#include "transport/UAdressen.h"

namespace {

const std::string kSpielfelder = KNALLFELD_SPIELFELDER;

struct TDraht {
    std::uint64_t Verzoegerung = 20, Streuung = 10;
    double Verlust = 0, Doppelt = 0;
    bool Stumm = false;  // nothing gets through either way
    std::mt19937 Zufall{7};
    std::uint64_t StartVerspaetet = 0;  // the start message, resent late as a lost one is
    struct TUnterwegs {
        int Ziel, Kanal;
        std::string Daten;
    };
    std::multimap<std::uint64_t, TUnterwegs> Unterwegs;
    std::uint64_t LetzteZuverlaessig[2] = {0, 0};

    void Schicken(int ziel, const TNetzPaket& p, std::uint64_t jetzt) {
        if (Stumm) return;
        std::uniform_real_distribution<double> w(0, 1);
        std::uint64_t an = jetzt + Verzoegerung + Zufall() % (Streuung + 1);
        if (p.Kanal == 0) {
            if (p.Daten == KodierenZahlen(TNachricht::Start)) an += StartVerspaetet;
            // Reliable and in order: late, never lost.
            an = std::max(an, LetzteZuverlaessig[ziel]);
            LetzteZuverlaessig[ziel] = an;
        } else {
            if (w(Zufall) < Verlust) return;
            if (w(Zufall) < Doppelt) Unterwegs.emplace(an + 3, TUnterwegs{ziel, 1, p.Daten});
        }
        Unterwegs.emplace(an, TUnterwegs{ziel, p.Kanal, p.Daten});
    }
};

// Host (player 1) and guest (player 2) on the sample levels; each side's player acts at
// random, seeded, and is ready for the next round at once.
struct TPaar {
    TMaschine A, B;
    TDraht Draht;
    std::unique_ptr<TNetzSitzung> Host, Gast;
    std::uint64_t Jetzt = 0;
    std::mt19937 Spieler{11};
    bool Handeln = true;

    explicit TPaar(std::vector<std::string> level = {"KleinesDuell.dat"}, int runden = 2,
                   std::uint32_t gastRegeln = kRegelVersion) {
        Host = std::make_unique<TNetzSitzung>(TNetzOptionen{"", false, 60, 1, kRegelVersion},
                                              A.Umgebung(),
                                              SpieldatenLesen(MatchAuf(level, runden), 42));
        Gast = std::make_unique<TNetzSitzung>(TNetzOptionen{"Gästin", false, 0, 1, gastRegeln},
                                              B.Umgebung(), std::nullopt);
        Host->Verbunden(0);
        Gast->Verbunden(0);
    }

    void Schritt() {
        Jetzt += 4;
        for (auto* s : {Host.get(), Gast.get()}) {
            if (Handeln && s->Zustand() == TNetzZustand::Laeuft) {
                if (Spieler() % 40 == 0) s->Aktion(int(Spieler() % 6));
                s->Bereit();
            }
            s->Schritt(Jetzt);
        }
        for (int seite = 0; seite < 2; ++seite)
            for (const TNetzPaket& p : (seite == 0 ? Host : Gast)->Ausgang())
                Draht.Schicken(1 - seite, p, Jetzt);
        while (!Draht.Unterwegs.empty() && Draht.Unterwegs.begin()->first <= Jetzt) {
            const auto u = Draht.Unterwegs.begin()->second;
            Draht.Unterwegs.erase(Draht.Unterwegs.begin());
            (u.Ziel == 0 ? Host : Gast)->Empfangen(u.Kanal, u.Daten, Jetzt);
        }
    }
    bool Ende(const TNetzSitzung& s) const {
        return s.Zustand() == TNetzZustand::Fertig || s.Zustand() == TNetzZustand::Fehler;
    }
    // Runs until both have ended or the time is up; checks the horizon after every step.
    void Laufen(std::uint64_t bis) {
        while (Jetzt < bis && !(Ende(*Host) && Ende(*Gast))) {
            Schritt();
            for (auto* s : {Host.get(), Gast.get()}) {
                if (s->Seite() && s->Seite()->Lockstep().Grenze()) {
                    ASSERT_LE(s->Seite()->Zeit(), *s->Seite()->Lockstep().Grenze());
                }
            }
        }
    }
};

}  // namespace

TEST(Netz, VerlustUndStreuungAendernNichtsUndDieAufnahmenSpielenSichAb) {
    TPaar p({"KleinesDuell.dat", "Arena.dat"}, 3);
    p.Draht.Verlust = 0.3, p.Draht.Doppelt = 0.1;
    p.Draht.Streuung = 40;  // reorders the input packets
    p.Laufen(30 * 60 * 1000);
    ASSERT_EQ(p.Host->Zustand(), TNetzZustand::Fertig)
        << p.Host->Fehler() << " / " << p.Gast->Fehler();
    ASSERT_EQ(p.Gast->Zustand(), TNetzZustand::Fertig) << p.Gast->Fehler();
    const TAufnahme a = p.Host->Seite()->Aufnahme(), b = p.Gast->Seite()->Aufnahme();
    EXPECT_TRUE(OhneEnde(a.Eingaben) == OhneEnde(b.Eingaben) && a.Protokoll == b.Protokoll);
    ASSERT_EQ(a.Protokoll.size(), 5u);  // three rounds, the match, the points
    // Both players acted, and the guest's name came from the guest.
    int aktionen[2] = {0, 0};
    for (const TEingabe& e : a.Eingaben)
        if (e.Art == TEingabeArt::Aktion) ++aktionen[PadAktionVon(e.Wert).Spieler - 1];
    EXPECT_GT(aktionen[0], 0);
    EXPECT_GT(aktionen[1], 0);
    EXPECT_EQ(EntpackeEinstellungen(reinterpret_cast<const std::uint8_t*>(b.Arbeitskopie.data()))
                  .Spieler2.Name,
              "Gästin");
    // One process plays either recording to the same end.
    std::vector<std::string> protokoll;
    EXPECT_EQ(AufnahmePruefen(a, kSpielfelder + "../", protokoll), "");
    EXPECT_EQ(AufnahmePruefen(b, kSpielfelder + "../", protokoll), "");
}

TEST(Netz, HorizontVerspaeteteUndVerloreneEingabenGleicheMillisekunde) {
    TLockstep a(1, 50), b(2, 50);
    // An input is stamped now + delay and announced complete up to that minus one.
    EXPECT_EQ(b.Eigene(TEingabeArt::Aktion, PadAktionWert(2, 5), 100), 150u);
    ASSERT_TRUE(a.Empfangen(b.Takt(100), 100));
    EXPECT_EQ(a.Grenze(), 149u);
    // A packet repeated, or overtaken by a later one, changes nothing.
    const std::string alt = b.Takt(100);
    ASSERT_TRUE(a.Empfangen(b.Takt(130), 130));
    ASSERT_TRUE(a.Empfangen(alt, 130));
    EXPECT_EQ(a.Grenze(), 179u);
    // Player 1 first at the same millisecond, then by number.
    a.Eigene(TEingabeArt::Aktion, PadAktionWert(1, 1), 100);
    const auto reihe = a.Bis(150);
    ASSERT_EQ(reihe.size(), 2u);
    EXPECT_TRUE(reihe[0].Spieler == 1 && reihe[1].Spieler == 2);
    EXPECT_TRUE(a.Bis(1000).empty());  // each applied once
    // An input at a time the peer already announced complete is refused, one after it is not.
    TLockstep c(1, 50), d(2, 50);
    ASSERT_TRUE(c.Empfangen(d.Takt(100), 100));  // horizon 149
    TLockstep fake(2, 49);
    fake.Eigene(TEingabeArt::Aktion, PadAktionWert(2, 0), 100);  // stamped 149
    EXPECT_FALSE(c.Empfangen(fake.Takt(101), 101));
    TLockstep echt(2, 50);
    echt.Eigene(TEingabeArt::Aktion, PadAktionWert(2, 0), 100);  // 150
    EXPECT_TRUE(c.Empfangen(echt.Takt(101), 101));
    // Lost packets: the input rides again in every packet until it is acknowledged.
    TLockstep e(1, 50), f(2, 50);
    f.Eigene(TEingabeArt::Neustart, 0, 0);
    (void)f.Takt(0);   // lost
    (void)f.Takt(16);  // lost
    ASSERT_TRUE(e.Empfangen(f.Takt(32), 32));
    EXPECT_TRUE(e.Bis(50).size() == 1u && f.Unbestaetigt() == 1u);
    ASSERT_TRUE(f.Empfangen(e.Takt(40), 40));
    EXPECT_EQ(f.Unbestaetigt(), 0u);
}

TEST(Netz, FeindlichePaketeWerdenAbgelehnt) {
    TLockstep l(1, 50);
    TLockstep gegner(2, 50);
    gegner.Eigene(TEingabeArt::Aktion, PadAktionWert(2, 1), 10);
    const std::string gut = gegner.Takt(10);
    // Every cut of a good packet is refused, and changes nothing.
    for (std::size_t n = 0; n < gut.size(); ++n) EXPECT_FALSE(l.Empfangen(gut.substr(0, n), 10));
    EXPECT_FALSE(l.Grenze() || l.Empfangen(gut + "x", 10));
    // Inputs only for the sender's own player, only the six actions, only the network kinds.
    // clang-format off
    for (const auto& [art, wert] : std::initializer_list<std::pair<TEingabeArt, int>>{
             {TEingabeArt::Aktion, PadAktionWert(1, 1)}, {TEingabeArt::Aktion, PadAktionWert(2, 6)},
             {TEingabeArt::Taste, 0x41}, {TEingabeArt::NaechsteRunde, 0}, {TEingabeArt::Abbrechen, 0},
             {TEingabeArt::Ende, 0}, {TEingabeArt(99), 0}}) {
        // clang-format on
        TLockstep g(2, 50);
        g.Eigene(art, std::uint16_t(wert), 10);
        EXPECT_FALSE(l.Empfangen(g.Takt(10), 10)) << int(art) << " " << wert;
    }
    // An input as far ahead as a peer may be is taken, a millisecond more is not.
    for (const std::uint64_t mehr : {0, 1}) {
        TLockstep r(1, 50), g(2, 50);
        g.Eigene(TEingabeArt::Aktion, PadAktionWert(2, 1), kMaxVorsprung - 50 + mehr);
        EXPECT_EQ(r.Empfangen(g.Takt(kMaxVorsprung - 50), 0), mehr == 0) << mehr;
    }
    // A horizon far beyond the present, and a gap in the numbers.
    EXPECT_FALSE(l.Empfangen(gegner.Takt(kMaxVorsprung + 100), 10));
    std::string luecke = gut;
    luecke[18] = 5;  // first number 5 while nothing was received
    EXPECT_TRUE(!l.Empfangen(luecke, 10) && l.Empfangen(gut, 10));

    // The kinds' numbers travel: another build of the protocol sends and expects these.
    using enum TNachricht;
    EXPECT_EQ((std::array{Hallo, Willkommen, Abgelehnt, Spieldaten, Geladen, Start, Pruefsumme,
                          Tschuess, NeustartFrage, NeustartAntwort, Revanche, NeuesMatch, Chat}),
              (std::array{TNachricht(1), TNachricht(2), TNachricht(3), TNachricht(4), TNachricht(5),
                          TNachricht(6), TNachricht(8), TNachricht(9), TNachricht(10),
                          TNachricht(11), TNachricht(12), TNachricht(13), TNachricht(14)}));
    // The handshake's messages: cut, padded or out of range.
    const std::string hallo = Kodieren(THallo{1, 1, "Anna", true});
    THallo h;
    ASSERT_TRUE(Dekodieren(hallo, h));
    EXPECT_TRUE(h.Name == "Anna" && h.Computer);
    for (std::size_t n = 0; n < hallo.size(); ++n) EXPECT_FALSE(Dekodieren(hallo.substr(0, n), h));
    EXPECT_FALSE(Dekodieren(hallo + "x", h));
    EXPECT_FALSE(Dekodieren(hallo.substr(0, hallo.size() - 1) + '\2', h));    // the flag: 0 or 1
    EXPECT_TRUE(Dekodieren(Kodieren(THallo{1, 1, "Anna Maria", false}), h));  // spaces are fine
    EXPECT_FALSE(Dekodieren(Kodieren(THallo{1, 1, "Name\nmit Zeile", false}), h));
    EXPECT_FALSE(Dekodieren(Kodieren(THallo{1, 1, std::string(21, 'x'), false}), h));
    TAbgelehnt ab;
    for (const TAblehnung g : {TAblehnung::Version, TAblehnung::Besetzt})
        EXPECT_TRUE(Dekodieren(Kodieren(TAbgelehnt{g, 1, 2}), ab) && ab.Grund == g);
    for (const int g : {0, 3})
        EXPECT_FALSE(Dekodieren(Kodieren(TAbgelehnt{TAblehnung(g), 1, 2}), ab));
    TWillkommen w;
    EXPECT_FALSE(Dekodieren(Kodieren(TWillkommen{3, 50, 1}), w));
    EXPECT_FALSE(Dekodieren(Kodieren(TWillkommen{2, 50, 51}), w));
    TAufnahme a;
    const TEinstellungen e = MatchAuf({"Arena.dat"});
    TAufnahme gueltig = SpieldatenLesen(e, 1);
    EXPECT_EQ(DekodierenSpieldaten(KodierenSpieldaten(gueltig), a), "");
    TAufnahme mitEingabe = gueltig;
    mitEingabe.Eingaben.push_back({1, TEingabeArt::Aktion, 8});
    TAufnahme gleicheTaste = gueltig;
    TSpielRecEinstellungen r = e.EinstellungenHolen();
    r.Spieler2.TasteOben = r.Spieler1.TasteOben;
    const TBytes b = PackeEinstellungen(r);
    gleicheTaste.Arbeitskopie.assign(b.begin(), b.end());
    TAufnahme zuVieleLevel = gueltig;
    zuVieleLevel.LevelAnzahl = 2;
    for (const TAufnahme* x : {&mitEingabe, &gleicheTaste, &zuVieleLevel})
        EXPECT_NE(DekodierenSpieldaten(KodierenSpieldaten(*x), a), "");
    EXPECT_NE(DekodierenSpieldaten(std::string(1, 4) + std::string(kSpieldatenMax + 1, 'x'), a),
              "");
}

TEST(Netz, AbweichungStillerMitspielerUndAndereVersion) {
    // A cell changed on one side only: both find it at the next check, and stop.
    {
        TPaar p;
        p.Handeln = false;
        while (p.Jetzt < 60000 && !(p.Host->Seite() && p.Host->Seite()->Zeit() >= 1500))
            p.Schritt();
        ASSERT_EQ(p.Host->Zustand(), TNetzZustand::Laeuft);
        TSpielfeld::SetzeZellenDaten(p.A.Feld.KnotenBei(1), TZelle{zaUnzerstoerbar, 0, false});
        p.Laufen(p.Jetzt + 10000);
        for (auto* s : {p.Host.get(), p.Gast.get()}) {
            EXPECT_EQ(s->Zustand(), TNetzZustand::Fehler);
            EXPECT_EQ(s->Rueckgabe(), 4) << s->Fehler();
        }
        EXPECT_NE(p.Host->Fehler().find("(bei 2 s Spielzeit)"), std::string::npos)
            << p.Host->Fehler();
    }
    // The other side falls silent: waiting shows after a second, the end after fifteen. A guest
    // that began late holds the host behind its clock, which is no waiting.
    {
        TPaar p;
        p.Draht.StartVerspaetet = 400;
        p.Laufen(3000);
        EXPECT_EQ(p.Host->Status(p.Jetzt), "");
        p.Draht.Stumm = true;
        const std::uint64_t still = p.Jetzt;
        const std::uint64_t zeit = p.Host->Seite()->Zeit();
        // The waiting shows one second after the step it began at, not sooner.
        std::uint64_t seit = 0;
        while (p.Jetzt < still + 1500) {
            p.Schritt();
            if (p.Host->Status(p.Jetzt + 1000).empty())
                seit = 0;
            else if (!seit)
                seit = p.Jetzt;
        }
        EXPECT_EQ(p.Host->Status(seit + 999), "");
        EXPECT_EQ(p.Host->Status(seit + 1000), "Warte auf Mitspieler … (1 s)");
        EXPECT_LE(p.Host->Seite()->Zeit(), zeit + 200);  // held at the other side's horizon
        p.Laufen(still + 16000);
        EXPECT_EQ(p.Host->Fehler(), "Die Verbindung zum Mitspieler ist abgebrochen.");
        EXPECT_EQ(p.Host->Rueckgabe(), 3);
    }
    // The host's first level does not load: it ends the meeting and says so.
    {
        TPaar p({"fehlt.dat"}, 1);
        p.Laufen(2000);
        EXPECT_EQ(p.Host->Fehler(), "Das erste Spielfeld konnte nicht geladen werden.");
        EXPECT_TRUE(p.Host->Rueckgabe() == 10 && p.Gast->Zustand() == TNetzZustand::Fehler);
    }
    // A guest with the older rules (before the flood): refused on both sides, naming both.
    {
        TPaar p({"KleinesDuell.dat"}, 1, kRegelVersion - 1);
        p.Laufen(2000);
        const std::string text = "Der Mitspieler hat eine andere Version von Knallfeld (Regeln " +
                                 std::to_string(kRegelVersion - 1) +
                                 "); beide brauchen dieselbe (Regeln " +
                                 std::to_string(kRegelVersion) + ").";
        EXPECT_TRUE(p.Host->Fehler() == text && p.Gast->Zustand() == TNetzZustand::Fehler);
    }
    // The farewell's reason as its number on the wire (another build of the same protocol
    // sends these), and what the side told says.
    const std::pair<int, std::string> gruende[] = {
        {1, "Der Mitspieler hat das Spiel verlassen."},
        {2,
         "Die beiden Spiele sind auseinandergelaufen. Das Match wird beendet; die "
         "Wiederholung ist gespeichert."},
        {3, "Der Mitspieler hat unsere Daten nicht verstanden; die Verbindung wurde getrennt."},
        {4, "Der Mitspieler hat das Spiel verlassen."}};
    for (const auto& [grund, text] : gruende) {
        TPaar p;
        p.Laufen(2000);
        ASSERT_EQ(p.Gast->Zustand(), TNetzZustand::Laeuft);
        p.Gast->Empfangen(0, KodierenZahlen(TNachricht::Tschuess, std::uint64_t(grund), 0),
                          p.Jetzt);
        EXPECT_EQ(p.Gast->Fehler(), text) << grund;
        EXPECT_EQ(p.Gast->Rueckgabe(), grund == 2 ? 4 : 3);
    }
}

TEST(Netz, JederTeilDesZustandsZaehltImHash) {
    TMaschine m;
    TNetzSeite s(SpieldatenLesen(MatchAuf({"Arena.dat"}), 5), 1, 50, m.Feld, m.Bilder, m.Meldungen,
                 m.Ansicht);
    ASSERT_TRUE(s.Starten());
    TSpiel& spiel = s.Spiel();
    TSimUhr& uhr = s.Match().Uhr();
    const std::uint64_t vorher = Zustandshash(spiel, uhr);
    // The hash travels: every build of these rules must give this one for this state.
    EXPECT_EQ(vorher, 0x6f13e61dfa23f558u);
    const std::vector<std::pair<const char*, std::function<void()>>> aenderungen = {
        {"Zelle", [&] { spiel.Daten().Feld.KnotenBei(5)->Neu = true; }},
        {"Bombe",
         [&] {
             spiel.Daten().Bomben.Anhaengen(0, {1, 1}, 1, true);
         }},
        {"Punkte",
         [&] {
             auto r = spiel.Daten().Einstellungen.EinstellungenHolen();
             r.Spieler2.Punkte = 20;
             spiel.Daten().Einstellungen.EinstellungenSetzen(r);
         }},
        {"Zufall", [&] { spiel.Daten().Zufall.Zufall(10); }},
        {"Timer",
         [&] { spiel.Timer_Wasser().SetzeIntervall(spiel.Timer_Wasser().Intervall() + 1); }},
        {"Uhr", [&] { uhr.Laufe(1); }},
        {"Zaehler", [&] { ++spiel.Daten().Zerstoert; }},
    };
    for (const auto& [name, aendern] : aenderungen) {
        const std::uint64_t h = Zustandshash(spiel, uhr);
        aendern();
        EXPECT_NE(Zustandshash(spiel, uhr), h) << name;
    }
    // And with the bombs: each part of a bomb travels at its own width.
    spiel.Daten().Bomben.Anhaengen(3, {44, 300}, 2, true);
    EXPECT_EQ(Zustandshash(spiel, uhr), 0x3e8364e37b1010e5u);
}

TEST(Netz, BilderDesGastgebersEntscheidenNichtsUndKommenNurAusDenEigenenOrdnern) {
    // The host names a picture by a path on the guest's disk outside its picture folders, and
    // the guest's own picture of that name is broken: the round starts all the same, and the
    // file at the host's path is never read.
    TTestOrdner o;
    const std::string fremd = o.Pfad("fremd/fels.bmp");
    std::filesystem::create_directories(o.Pfad("fremd"));
    std::filesystem::create_directories(o.Pfad("leer"));
    std::filesystem::copy_file(kSpielfelder + "../Bilder/UnZerstoer/fels.bmp", fremd);
    TAufnahme a = SpieldatenLesen(MatchAuf({"KleinesDuell.dat"}), 1);
    const TBytes bild = PackeBildEintrag({1, 0, fremd});
    a.Level[0].Bilder = std::string(bild.begin(), bild.end());
    // A header that promises more pixels than a picture may have: it looks readable, and
    // loading it fails.
    std::vector<unsigned char> bmp = LiesBytes(fremd);
    for (int stelle : {18, 22}) {
        bmp[stelle] = 0x40;
        bmp[stelle + 1] = 0x9C;
    }
    SchreibeBytes(o.Pfad("leer/Bilder/UnZerstoer/fels.bmp"), bmp);
    TMaschine gast;
    gast.Bilder.StandardOrdner(o.Pfad("leer") + "/");
    gast.Bilder.BilderNeuLaden();
    gast.Bilder.NurEigeneOrdner = true;
    TNetzSeite s(a, 2, 50, gast.Feld, gast.Bilder, gast.Meldungen, gast.Ansicht);
    s.Match().BilderNurZeigen();
    EXPECT_TRUE(s.Starten() && s.Spiel().FeldAktiv());
    for (const TBildSatzEintrag& b : gast.Bilder.Satz(1)) EXPECT_NE(b.Daten.Pfad, fremd);
}

TEST(Netz, UngefragterNeustartChatFlutStummerGastgeberUndAdressen) {
    // A restart nobody agreed to is another build's fault: the match ends.
    {
        TPaar p;
        p.Laufen(2000);
        p.Gast->Seite()->Eingabe(TEingabeArt::Neustart);
        p.Laufen(p.Jetzt + 500);
        EXPECT_EQ(p.Host->Fehler(),
                  "Der Mitspieler hat ungültige Daten geschickt; die Verbindung wurde getrennt.");
    }
    // Chat lines that come too fast are dropped; a line with a control character ends it.
    {
        TPaar p;
        p.Laufen(2000);
        for (int i = 1; i <= 10; ++i)
            p.Host->Empfangen(0, KodierenChat(std::to_string(i)), p.Jetzt);
        EXPECT_EQ(p.Host->Chat().back().Text, std::to_string(kChatEmpfangMax));
        std::string z;
        EXPECT_FALSE(DekodierenChat(KodierenChat(std::string(kChatMaxZeichen + 1, 'x')), z));
        p.Host->Empfangen(0, KodierenChat("a\nb"), p.Jetzt);
        EXPECT_EQ(p.Host->Zustand(), TNetzZustand::Fehler);
    }
    // Nobody answers the guest: it gives up after ten seconds and says what to check.
    {
        TPaar p;
        p.Draht.Stumm = true;
        while (p.Gast->Zustand() != TNetzZustand::Fehler && p.Jetzt < 30000) p.Schritt();
        EXPECT_TRUE(p.Gast->Fehler().starts_with("Der Gastgeber antwortet nicht. Bitte prüfen"));
        EXPECT_LE(p.Jetzt, kVerbindenFrist + 100);
    }
    std::string host, fehler;
    std::optional<std::uint16_t> port;
    EXPECT_TRUE(AdresseZerlegen("knallfeld.example:5000", host, port, fehler));
    EXPECT_TRUE(host == "knallfeld.example" && port == 5000);
    EXPECT_TRUE(AdresseZerlegen("127.0.0.2", host, port, fehler) && !port);
    for (const char* falsch : {"127.0.0.2:", "127.0.0.2:0", "127.0.0.2:65536", "127.0.0.2:5a"}) {
        EXPECT_FALSE(AdresseZerlegen(falsch, host, port, fehler)) << falsch;
        EXPECT_EQ(fehler,
                  "Der Port in \"" + std::string(falsch) + "\" ist keine Zahl von 1 bis 65535.");
    }
}
