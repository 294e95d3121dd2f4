// Who plays on each side of a network match, and inputs that come at once or close together.
#include <gtest/gtest.h>

#include "files/URecords.h"
#include "match/URegelVersion.h"
#include "tests/netz/NetzHilfen.h"
#include "transport/UEnetTransport.h"

TEST(NetzSpieler, NameUndComputerBeiderSeitenSiehtAuchDieAndere) {
    // The host names itself and lets the computer play, as its dialog does; the guest says
    // the same of itself. Each side's match has both, in the record and its working copy.
    TAufnahme daten = SpieldatenLesen(MatchAuf({"KleinesDuell.dat"}), 5);
    SpielerSetzen(daten, 1, "Hanna", true);
    TMaschine a, b;
    TNetzSitzung host({"", false, 60, 1, kRegelVersion}, a.Umgebung(), std::move(daten));
    TNetzSitzung gast({"Gustav", true, 0, 1, kRegelVersion}, b.Umgebung(), std::nullopt);
    host.Verbunden(0);
    gast.Verbunden(0);
    for (std::uint64_t t = 0; t < 1000 && gast.Zustand() != TNetzZustand::Laeuft; t += 4) {
        for (const TNetzPaket& p : host.Ausgang()) gast.Empfangen(p.Kanal, p.Daten, t);
        for (const TNetzPaket& p : gast.Ausgang()) host.Empfangen(p.Kanal, p.Daten, t);
    }
    ASSERT_EQ(gast.Zustand(), TNetzZustand::Laeuft) << gast.Fehler();
    for (TNetzSitzung* s : {&host, &gast}) {
        TEinstellungen& einst = s->Seite()->Spiel().Daten().Einstellungen;
        for (const TSpielRecEinstellungen& r : {einst.EinstellungenHolen(), einst.Arbeitskopie})
            EXPECT_TRUE(r.Spieler1.Name == "Hanna" && r.Spieler1.Computer &&
                        r.Spieler2.Name == "Gustav" && r.Spieler2.Computer)
                << s->Spieler() << " " << r.Spieler1.Name << " " << r.Spieler2.Name;
    }
}

TEST(NetzSpieler, ZweiEingabenEinesSpielersInDerselbenMillisekunde) {
    // A step and a bomb pressed at once: the same stamp, both taken, in the order pressed, on
    // both sides; a third one in the next packet may share it too.
    TLockstep a(1, 50), b(2, 50);
    b.Eigene(TEingabeArt::Aktion, PadAktionWert(2, 3), 100);
    b.Eigene(TEingabeArt::Aktion, PadAktionWert(2, 4), 100);
    ASSERT_TRUE(a.Empfangen(b.Takt(100), 100));
    b.Eigene(TEingabeArt::Neustart, 0, 100);
    ASSERT_TRUE(a.Empfangen(b.Takt(100), 100));
    for (TLockstep* l : {&a, &b}) {
        const auto reihe = l->Bis(150);
        ASSERT_EQ(reihe.size(), 3u);
        for (std::uint32_t i = 0; i < 3; ++i)
            EXPECT_TRUE(reihe[i].Zeit == 150 && reihe[i].Spieler == 2 && reihe[i].Nr == i + 1);
        EXPECT_EQ(reihe[1].Wert, PadAktionWert(2, 4));
    }
    // No delay at all is still one millisecond: an input is never stamped for the present.
    EXPECT_EQ(TLockstep(1, 0).Eigene(TEingabeArt::Neustart, 0, 100), 101u);
}

TEST(NetzSpieler, BereitDesMitspielersGleichNachDemRundenende) {
    // Player 1 stays on its bomb; player 2 is ready 100 ms after the round's end and player 1
    // then too. The other side's "ready" may come in the same stretch as the end it answers:
    // it counts, and the next round begins.
    TMaschine a;
    TNetzSeite s(SpieldatenLesen(MatchAuf({"KleinesDuell.dat"}), 5), 1, 60, a.Feld, a.Bilder,
                 a.Meldungen, a.Ansicht);
    s.Match().BilderNurZeigen();
    ASSERT_TRUE(s.Starten());
    TLockstep peer(2, 60);
    s.Eingabe(TEingabeArt::Aktion, PadAktionWert(1, 4));
    peer.Eigene(kBereit, 0, 2100);
    ASSERT_TRUE(s.Lockstep().Empfangen(peer.Takt(2200), 0));
    s.Laufen(2259);
    ASSERT_TRUE(s.Spiel().NaechsteRundeAktiv());
    s.Eingabe(kBereit);
    ASSERT_TRUE(s.Lockstep().Empfangen(peer.Takt(2300), s.Zeit()));
    s.Laufen(2359);
    EXPECT_TRUE(s.Spiel().Runde() == 2 && s.Spiel().FeldAktiv());
    // A minute and more of equal hashes: each is forgotten once compared, none is a flood.
    for (std::uint64_t t = 3000; t <= 70000; t += 1000) {
        ASSERT_TRUE(s.Lockstep().Empfangen(peer.Takt(t), s.Zeit()));
        s.Laufen(t);
        for (const auto& [zeit, hash] : s.NeuePruefsummen())
            ASSERT_TRUE(s.PruefsummeEmpfangen(zeit, hash)) << zeit;
    }
    EXPECT_FALSE(s.Abweichung());
}

TEST(NetzSpieler, AufbauScheitertMitGrundUndRueckgabe) {
    // Nobody answers: the guest gives up after 10 s, the host after 30 s; the greeting is broken;
    // a level is too large to send (1 MB is not).
    TMaschine a;
    for (bool gast : {false, true}) {
        TNetzSitzung s({"G", false, 60, 1, kRegelVersion}, a.Umgebung(),
                       gast ? std::nullopt : std::optional(TAufnahme{}));
        const std::uint64_t frist = gast ? kVerbindenFrist : kAufbauFrist;
        s.Verbunden(0);
        s.Schritt(frist);
        EXPECT_EQ(s.Zustand(), TNetzZustand::Verbinden);
        s.Schritt(frist + 1);
        EXPECT_TRUE(s.Fehler().starts_with(gast ? "Der Gastgeber antwortet nicht. Bitte"
                                                : "Zeitüberschreitung beim Verbindungsaufbau."))
            << s.Fehler();
        EXPECT_EQ(s.Rueckgabe(), 3);
    }
    TNetzSitzung host({"", false, 60, 1, kRegelVersion}, a.Umgebung(), TAufnahme{});
    host.Verbunden(0);
    const std::string hallo = Kodieren(THallo{kNetzProtokoll, kRegelVersion, "G", false});
    host.Empfangen(0, hallo.substr(0, hallo.size() - 1), 5);
    EXPECT_EQ(host.Fehler(),
              "Der Mitspieler hat ungültige Daten geschickt; die Verbindung wurde getrennt.");
    EXPECT_EQ(host.Rueckgabe(), 3);
    TTestOrdner o;
    TEinstellungen e;
    e.LevelAnhaengen(o.Pfad("gross.dat"));
    for (const std::size_t groesse : {std::size_t(1) << 20, (std::size_t(1) << 20) + 1}) {
        SchreibeBytes(o.Pfad("gross.dat"), std::vector<unsigned char>(groesse));
        EXPECT_EQ(SpieldatenLesen(e, 1).Level.at(0).Zellen.has_value(), groesse == 1u << 20);
    }
}

TEST(NetzSpieler, WerGehtWirdBeimAnderenGetrennt) {
    // Over loopback: the guest leaves, and the host hears the connection end.
    TEnetTransport wirt, gast;
    ASSERT_TRUE(wirt.Eroeffnen(0, "besetzt") && gast.Verbinden("127.0.0.1", wirt.Port()));
    using enum TTransportEreignis::TArt;
    std::vector<TTransportEreignis::TArt> w, g;
    const auto dienen = [&] {
        for (int i = 0; i < 100; ++i) {
            for (const auto& e : wirt.Dienen(5)) w.push_back(e.Art);
            for (const auto& e : gast.Dienen(5)) g.push_back(e.Art);
        }
    };
    dienen();
    ASSERT_TRUE(w == std::vector{Verbunden} && g == std::vector{Verbunden});
    gast.Trennen();
    dienen();
    EXPECT_EQ(w, (std::vector{Verbunden, Getrennt}));
}
