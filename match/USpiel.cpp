#include "match/USpiel.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "computer/UComputerSpieler.h"
#include "files/UDateiFehler.h"
#include "match/UBombenAktionen.h"
#include "match/USpielerAktion.h"
#include "match/USturmflut.h"
#include "model/UAktion.h"
#include "model/UAnsi.h"

namespace {

// Points and seconds are 16-bit in the files; they stop at the top instead of wrapping to 0.
std::uint16_t Plus(std::uint16_t a, unsigned b) {
    return static_cast<std::uint16_t>(std::min<unsigned>(a + b, 65535u));
}

bool IstTasteVon(const TSpielerEinstellungen& s, std::uint16_t k) {
    for (int n = 1; n <= 6; ++n)
        if (s.Taste(n) == k) return true;
    return false;
}

constexpr TKlang kExtraKlang[kExtraAnzahl] = {TKlang::ExtraWerfen, TKlang::ExtraMehrBomben,
                                              TKlang::ExtraUnverwundbar, TKlang::ExtraKrankheit};

}  // namespace

std::string RundenText(TGetroffen r, const TSpielRecEinstellungen& e) {
    if (r == 1) return e.Spieler2.Name + " hat die letzte Runde gewonnen!";
    if (r == 2) return e.Spieler1.Name + " hat die letzte Runde gewonnen!";
    return "Diese Runde geht unendschieden aus!";
}

std::string MatchText(const TSpielRecEinstellungen& e) {
    if (e.Spieler1.Punkte > e.Spieler2.Punkte) return e.Spieler1.Name + " hat das Match gewonnen!";
    if (e.Spieler2.Punkte > e.Spieler1.Punkte) return e.Spieler2.Name + " hat das Match gewonnen!";
    return "Das Match geht unendschieden aus!";
}

std::uint32_t KIIntervall(std::uint16_t platzExplo, std::uint8_t schwierigkeit) {
    if (schwierigkeit < 1 || schwierigkeit > 5) return 0;
    const long v = (long(platzExplo) - 500) / 10 * (6 - schwierigkeit);
    // A fuse below 500 ms (only from a hand-made settings file) must not become an endless wait.
    return v <= 0 ? 1u : static_cast<std::uint32_t>(v);
}

TSpiel::TSpiel(TSpielUmgebung u)
    : daten_(u.Daten),
      level_(u.Level),
      highscore_(u.Highscore),
      highscorepfad_(std::move(u.Highscorepfad)),
      meldungen_(u.Meldungen),
      ansicht_(u.Ansicht) {
    daten_.Orte = &orte_;
    ITimerFabrik& f = u.Timer;
    // Created in this order; a simulated clock fires simultaneous ticks in it.
    timerBombe_ = f.TimerErzeugen("Timer_Bombe", 1000, [this] { BombeTimer(); });
    timerExplo_ = f.TimerErzeugen("Timer_Explo", 1000, [this] { ExploTimer(); });
    timerWasser_ = f.TimerErzeugen("Timer_Wasser", 1000, [this] { WasserTimer(); });
    timerUnverwund_[0] = f.TimerErzeugen("Timer_Unverwund1", 1000, [this] { Unverwundbar(1); });
    timerUnverwund_[1] = f.TimerErzeugen("Timer_Unverwund2", 1000, [this] { Unverwundbar(2); });
    timerKrank_[0] = f.TimerErzeugen("Timer_Krank1", 1000, [this] { Krankheit(1); });
    timerKrank_[1] = f.TimerErzeugen("Timer_Krank2", 1000, [this] { Krankheit(2); });
    timerKI_ = f.TimerErzeugen("Timer_KI", 2000, [this] { Timer_KITimer(); });
    timerSpieler_[0] = f.TimerErzeugen("Timer_Spieler1", 1000, [this] { Verzoegerung(1); });
    timerSpieler_[1] = f.TimerErzeugen("Timer_Spieler2", 1000, [this] { Verzoegerung(2); });
    // Last: the older timers keep their order at simultaneous ticks, so older recordings replay.
    timerSturmflut_ =
        f.TimerErzeugen("Timer_Sturmflut", kSturmflutTakt, [this] { SturmflutTimer(); });
}

void TSpiel::Meldung(const std::string& text) {
    meldungen_.Zeige(TBoxTyp::Information, text);
}

void TSpiel::AlleTimerAnhalten() {
    for (ITimer* t : {timerBombe_.get(), timerExplo_.get(), timerWasser_.get(), timerKI_.get(),
                      timerSturmflut_.get()})
        t->Ausschalten();
    for (int i = 0; i < 2; ++i) {
        timerUnverwund_[i]->Ausschalten();
        timerKrank_[i]->Ausschalten();
        timerSpieler_[i]->Ausschalten();
    }
}

void TSpiel::TimerIntervalleSetzen(const TSpielRecEinstellungen& roh) {
    const TSpielRecEinstellungen e = IntervalleBegrenzt(roh);
    timerBombe_->SetzeIntervall(e.PlatzExplo / 5);
    timerExplo_->SetzeIntervall(e.ExploDauer / 5);
    timerWasser_->SetzeIntervall(e.WasserGeschwindigkeit);
    for (int i = 0; i < 2; ++i) timerUnverwund_[i]->SetzeIntervall(1000);
    for (int i = 0; i < 2; ++i) timerKrank_[i]->SetzeIntervall(daten_.Zufall.Zufall(5000));
    if (const std::uint32_t ki = KIIntervall(e.PlatzExplo, e.Schwierigkeit))
        timerKI_->SetzeIntervall(ki);
    for (int i = 0; i < 2; ++i) timerSpieler_[i]->SetzeIntervall(e.SpielerVerzoegerung);
}

// ---- Match and round flow ----

bool TSpiel::MatchStarten() {
    NeuesMatch();
    if (!RundeLaden()) return false;
    RundeBeginnen();
    return true;
}

void TSpiel::NeuesMatch() {
    TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
    e.Spieler1.Punkte = 0;
    e.Spieler2.Punkte = 0;
    daten_.Einstellungen.EinstellungenSetzen(e);
    ansicht_.PunkteAnzeigen(0, 0);
    runde_ = 1;
    ansicht_.RundeAnzeigen(runde_);
    matchVorbei_ = false;
    highscoreFehler_ = false;
    ergebnis_ = 0;
}

std::string TSpiel::LevelWaehlen() {
    const TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
    const std::uint32_t n = daten_.Einstellungen.LevelAnzahl;
    std::uint32_t k;
    if (e.LevelZufall)
        k = daten_.Zufall.Zufall(n);
    else
        k = std::min<std::uint32_t>(runde_ - 1u, n == 0 ? 0 : n - 1);
    std::string pfad;
    daten_.Einstellungen.LevelHolen(k + 1, pfad);
    return pfad;
}

bool TSpiel::RundeLaden() {
    const std::string p = LevelWaehlen();
    bool ok = !level_.AllgemeinLesen(p + ".all");
    if (ok) {
        TSpielfeld& feld = daten_.Feld;
        feld.LoescheFeld();
        const TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
        ansicht_.FensterEinrichten(feld.FeldDaten());
        ansicht_.StatusAnzeigen(feld.FeldDaten().Name, e);
        TimerIntervalleSetzen(e);
        feld.ErzeugeFeld(feld.Zellenzahl());
        RundenZustandSetzen();
        // The computer waits for a level that has loaded: an error box's event loop would
        // otherwise let it play a round nobody sees.
        timerKI_->Ausschalten();
        ok = !level_.ZellenLesen(p, feld.Zellenzahl()) && !level_.BilderLesen(p + ".bild");
        FeldGeaendert();
    }
    if (!ok) {
        // Nothing may run on a level that did not load: only "Neustart" or closing remain.
        AlleTimerAnhalten();
        rundeLaeuft_ = false;
        feldAktiv_ = false;
        naechsteRunde_ = false;
        ansicht_.FeldAktivieren(false);
        ansicht_.NaechsteRundeAktivieren(false);
        daten_.Bomben.ListenFreigeben();
    }
    return ok;
}

void TSpiel::RundeBeginnen() {
    daten_.Bomben.ListenFreigeben();
    RundenZustandSetzen();
    ansicht_.FensterZentrieren();
}

void TSpiel::RundenZustandSetzen() {
    TEinstellungen& einst = daten_.Einstellungen;
    const TSpielRecEinstellungen alt = einst.EinstellungenHolen();
    TSpielRecEinstellungen e = einst.Arbeitskopie;
    for (int p = 1; p <= 2; ++p) {
        TSpielerEinstellungen& s = e.Spieler(p);
        s.Punkte = alt.Spieler(p).Punkte;
        for (const TExtra x : kExtras) s.Extra(x) = false;
        restsekunden_[Nr(p)] = 0;
        ansicht_.RestsekundenAnzeigen(p, 0);
        for (const TExtra x : kExtras) ansicht_.ExtraAnzeigen(p, x, false);
    }
    einst.EinstellungenSetzen(e);
    for (int p = 1; p <= 2; ++p)
        for (int n = 1; n <= 6; ++n) tastenAmStart_[Nr(p)][n - 1] = e.Spieler(p).Taste(n);
    tastenGemerkt_ = true;
    AlleTimerAnhalten();
    if (e.Spieler1.Computer || e.Spieler2.Computer) timerKI_->Einschalten();
    sturmSekunden_ = 0;
    if (einst.Sturmflut > 0) timerSturmflut_->Einschalten();
    ansicht_.SturmflutAnzeigen(-1);
    belegt_ = {false, false};
    // The strong computers start each round afresh, as they do in a replay of it.
    stark_ = {};
    naechsteRunde_ = false;
    ansicht_.NaechsteRundeAktivieren(false);
    feldAktiv_ = true;
    ansicht_.FeldAktivieren(true);
    rundeLaeuft_ = true;
    ergebnis_ = 0;
    todesart_ = {};
    FeldGeaendert();
}

void TSpiel::RundeAnhalten() {
    AlleTimerAnhalten();
    // The disease swaps keys for the running round only; the dialogs and files never see it.
    if (tastenGemerkt_) {
        TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
        for (int p = 1; p <= 2; ++p)
            for (int n = 1; n <= 6; ++n) e.Spieler(p).Taste(n) = tastenAmStart_[Nr(p)][n - 1];
        daten_.Einstellungen.EinstellungenSetzen(e);
    }
    rundeLaeuft_ = false;
    naechsteRunde_ = true;
    ansicht_.NaechsteRundeAktivieren(true);
    feldAktiv_ = false;
    ansicht_.FeldAktivieren(false);
}

void TSpiel::RundenEnde(TGetroffen r) {
    // One round ends once, even when a second event of the same handler kills again.
    if (!rundeLaeuft_) return;
    RundeAnhalten();
    ansicht_.Klang(r == 3 ? TKlang::RundeUnentschieden : TKlang::RundeGewonnen);
    TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
    if (r == 1) e.Spieler2.Punkte = Plus(e.Spieler2.Punkte, 100);
    if (r == 2) e.Spieler1.Punkte = Plus(e.Spieler1.Punkte, 100);
    // Stored before the match end, which decides and enters the points with this round's.
    daten_.Einstellungen.EinstellungenSetzen(e);
    ansicht_.PunkteAnzeigen(e.Spieler1.Punkte, e.Spieler2.Punkte);
    ergebnis_ = r;
    if (runde_ >= e.Rundenanzahl) {
        MatchEnde();
        naechsteRunde_ = false;
        ansicht_.NaechsteRundeAktivieren(false);
    } else {
        Meldung(RundenText(r, e));
    }
}

void TSpiel::MatchEnde() {
    const TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
    if (e.Spieler1.Punkte != e.Spieler2.Punkte) ansicht_.Klang(TKlang::MatchGewonnen);
    Meldung(MatchText(e));
    const std::vector<THighscoreEintrag> neu = {
        {Utf8Kuerzen(e.Spieler1.Name, 20), e.Spieler1.Punkte},
        {Utf8Kuerzen(e.Spieler2.Name, 20), e.Spieler2.Punkte}};
    if (highscorepfad_.empty()) {
        for (const auto& x : neu) highscore_.EintragEinfuegen(x);
    } else {
        TDateiFehler fehler(meldungen_);
        highscoreFehler_ = HighscoreEintragen(highscore_, neu, fehler, highscorepfad_);
    }
    matchVorbei_ = true;
}

void TSpiel::NextRound() {
    if (!naechsteRunde_) return;  // the button is disabled
    ++runde_;
    ansicht_.RundeAnzeigen(runde_);
    if (RundeLaden()) RundeBeginnen();
}

void TSpiel::Neustart() {
    RundeAnhalten();
    NeuesMatch();
    if (RundeLaden()) RundeBeginnen();
}

void TSpiel::FormClose() {
    RundeAnhalten();
    daten_.Feld.LoescheFeld();
    daten_.Bomben.ListenFreigeben();
    FeldGeaendert();
}

// ---- Input ----

void TSpiel::SpielerTasteDrucken(std::uint16_t taste) {
    if (!feldAktiv_) return;  // the grid is disabled between rounds
    if (belegt_[0] && belegt_[1]) return;
    const TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
    int spieler = 0;
    if (!e.Spieler1.Computer && IstTasteVon(e.Spieler1, taste))
        spieler = 1;
    else if (!e.Spieler2.Computer && IstTasteVon(e.Spieler2, taste))
        spieler = 2;
    if (spieler) TasteVerarbeiten(taste, spieler, e, false);
}

void TSpiel::SpielerAktion(int spieler, int slot) {
    if (!tastenGemerkt_ || slot < 0 || slot > 5) return;
    const std::uint16_t k = tastenAmStart_[Nr(spieler)][std::size_t(slot)];
    if (k != 0) SpielerTasteDrucken(k);
}

void TSpiel::TasteVerarbeiten(std::uint16_t k, int p, const TSpielRecEinstellungen& e,
                              bool vomComputer) {
    if (!rundeLaeuft_) return;
    const TSpielerEinstellungen& s = e.Spieler(p);
    if (belegt_[Nr(p)] || s.Computer != vomComputer) return;
    belegt_[Nr(p)] = true;
    timerSpieler_[Nr(p)]->Einschalten();

    TGetroffen g = 0;
    auto schritt = [&](TRichtung r) {
        const TGefunden vor = SpielerFinden(daten_, p);
        const TSchritt erg = Bewegen(daten_, p, r);
        g = erg.Getroffen;
        if (g != 0)
            TodNotieren(g, TTodesart::GegnerBombe,
                        ExplosionsBesitzer(daten_.Feld.Verschiebe(vor.Index, 2, r)));
        if (erg.Bewegt) StatusNachAufsammeln(erg.Aufgesammelt, p);
    };
    if (k == s.TasteOben) {
        schritt(riOben);
    } else if (k == s.TasteUnten) {
        schritt(riUnten);
    } else if (k == s.TasteLinks) {
        schritt(riLinks);
    } else if (k == s.TasteRechts) {
        schritt(riRechts);
    } else if (k == s.TasteBombe) {
        if (daten_.Bomben.DarfBombeLegen(daten_.Einstellungen.EinstellungenHolen(), p)) {
            if (BombeLegen(daten_, SpielerArt(p))) ansicht_.Klang(TKlang::BombeGelegt);
            timerBombe_->Einschalten();
        } else if (k == s.TasteWerfen && s.Werfen) {
            Werfen(p);
        }
    } else if (k == s.TasteWerfen) {
        if (s.Werfen) Werfen(p);
    }
    ansicht_.FeldNeuZeichnen();
    if (g != 0) {
        ansicht_.Klang(TKlang::SpielerGetroffen);
        RundenEnde(g);
    }
}

void TSpiel::Werfen(int p) {
    if (!BombeWerfen(daten_, SpielerArt(p))) return;
    // The bomb lands at once; its sound starts a little later on its own.
    ansicht_.Klang(TKlang::BombeGeworfen);
    ansicht_.Klang(TKlang::BombeGelandet);
}

void TSpiel::TodNotieren(TGetroffen g, TTodesart art, int besitzer) {
    for (int p = 1; p <= 2; ++p) {
        if (!(g & p)) continue;
        const bool eigene = art == TTodesart::GegnerBombe && besitzer == p;
        todesart_[Nr(p)] = eigene ? TTodesart::EigeneBombe : art;
    }
}

int TSpiel::ExplosionsBesitzer(TIndex index) const {
    const TPosition z = daten_.Feld.PositionVon(index);
    const auto& liste = daten_.Bomben.Explosionsliste();
    // The latest explosion whose cross holds the cell.
    for (auto it = liste.rbegin(); it != liste.rend(); ++it) {
        const TPosition m = it->Position;
        const int zeilen = std::abs(int(m.Zeile) - int(z.Zeile));
        const int spalten = std::abs(int(m.Spalte) - int(z.Spalte));
        if ((zeilen == 0 && spalten <= 2) || (spalten == 0 && zeilen <= 2)) return it->Spieler;
    }
    return 0;
}

void TSpiel::Verzoegerung(int spieler) {
    timerSpieler_[Nr(spieler)]->Ausschalten();
    belegt_[Nr(spieler)] = false;
}

// ---- Bombs, explosions, water ----

void TSpiel::BombeTimer() {
    TBombenListen& b = daten_.Bomben;
    b.Weiterzaehlen(true);
    TGetroffen g = 0;
    const std::uint32_t zerstoert = daten_.Zerstoert;
    bool knall = false;
    while (b.BombeFaellig() && g == 0) {
        knall = true;
        const TPosition pos = b.ErstePosition(true);
        const TIndex index = daten_.Feld.IndexVon(pos.Spalte - 1u, pos.Zeile - 1u);
        const std::uint8_t besitzer = b.ErsterSpieler();
        g = Detonieren(daten_, index);
        TodNotieren(g, TTodesart::GegnerBombe, besitzer);
        b.Anhaengen(0, pos, besitzer, false);
        timerExplo_->Einschalten();
        b.ErsteEntfernen(true);
        if (b.KeineBomben()) timerBombe_->Ausschalten();
        ansicht_.FeldNeuZeichnen();
    }
    // Bombs going off in one beat sound once.
    if (knall) ansicht_.Klang(TKlang::Explosion);
    if (daten_.Zerstoert != zerstoert) ansicht_.Klang(TKlang::BlockZerstoert);
    if (g != 0) {
        ansicht_.Klang(TKlang::SpielerGetroffen);
        RundenEnde(g);
    }
}

void TSpiel::ExploTimer() {
    TBombenListen& b = daten_.Bomben;
    b.Weiterzaehlen(false);
    const std::uint32_t freigelegt = daten_.Freigelegt;
    while (timerExplo_->Eingeschaltet() && b.ExplosionFaellig()) {
        TAufgesammeltBeide a;
        Zurueckweichen(daten_, a);
        for (int p = 1; p <= 2; ++p)
            if (a.Von(p).Irgendeins()) StatusNachAufsammeln(a.Von(p), p);
        b.ErsteEntfernen(false);
        if (b.KeineExplosionen()) timerExplo_->Ausschalten();
        if (WasserKannFliessen()) timerWasser_->Einschalten();
        ansicht_.FeldNeuZeichnen();
    }
    if (daten_.Freigelegt != freigelegt) ansicht_.Klang(TKlang::ExtraFreigelegt);
}

void TSpiel::WasserTimer() {
    bool geaendert = false;
    const TGetroffen g = WasserAusbreiten(geaendert);
    if (geaendert) {
        ansicht_.FeldNeuZeichnen();
        ansicht_.Klang(TKlang::WasserSteigt);
    }
    if (g != 0) {
        TodNotieren(g, TTodesart::Ertrunken);
        ansicht_.Klang(TKlang::SpielerErtrunken);
        RundenEnde(g);
    }
}

// The flood's timer beats every second of the round: the countdown, then one ring a beat.
void TSpiel::SturmflutTimer() {
    const int grenze = daten_.Einstellungen.Sturmflut * 60;
    const int ring = ++sturmSekunden_ - grenze;
    if (ring < 0) {
        if (-ring <= kSturmflutVorwarnung) ansicht_.SturmflutAnzeigen(-ring);
        return;
    }
    if (ring == 0) ansicht_.SturmflutAnzeigen(0);
    ansicht_.Klang(ring == 0 ? TKlang::Sturmflut : TKlang::SturmflutRing);
    const TRingFlut f = RingFluten(daten_, ring);
    FeldGeaendert();
    if (f.BombenWeg && daten_.Bomben.KeineBomben()) timerBombe_->Ausschalten();
    // The flood's water is level water: it spreads as that does.
    if (WasserKannFliessen()) timerWasser_->Einschalten();
    ansicht_.FeldNeuZeichnen();
    if (f.Getroffen != 0) {
        TodNotieren(f.Getroffen, TTodesart::Sturmflut);
        ansicht_.Klang(TKlang::SpielerErtrunken);
        RundenEnde(f.Getroffen);
    } else if (ring + 1 >= SturmRinge(daten_.Feld.FeldDaten())) {
        // No cell is left: a player missing from the board wins nothing either.
        RundenEnde(3);
    }
}

// ---- Extras ----

void TSpiel::StatusNachAufsammeln(const TAufgesammelt& a, int p) {
    TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
    TSpielerEinstellungen& s = e.Spieler(p);
    const std::size_t i = Nr(p);
    for (const TExtra x : kExtraFolge) {
        if (!a[x]) continue;
        ansicht_.Klang(kExtraKlang[ExtraIndex(x)]);
        if (x == TExtra::Unverwundbar) {
            restsekunden_[i] = Plus(restsekunden_[i], e.Unverwundbarkeit);
            ansicht_.RestsekundenAnzeigen(p, restsekunden_[i]);
            timerUnverwund_[i]->Einschalten();
        } else if (x == TExtra::Krankheit) {
            timerKrank_[i]->Einschalten();
        }
        ansicht_.ExtraAnzeigen(p, x, true);
        s.Punkte = Plus(s.Punkte, 20);
    }
    if (!a.Irgendeins()) return;
    daten_.Einstellungen.EinstellungenSetzen(e);
    ansicht_.PunkteAnzeigen(e.Spieler1.Punkte, e.Spieler2.Punkte);
    if (WasserKannFliessen()) timerWasser_->Einschalten();
}

void TSpiel::Unverwundbar(int p) {
    TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
    const std::size_t i = Nr(p);
    if (restsekunden_[i] > 0) {
        --restsekunden_[i];
        ansicht_.RestsekundenAnzeigen(p, restsekunden_[i]);
        if (restsekunden_[i] >= 1 && restsekunden_[i] <= 3)
            ansicht_.Klang(TKlang::UnverwundbarEndet);
    } else {
        timerUnverwund_[i]->Ausschalten();
        ansicht_.ExtraAnzeigen(p, TExtra::Unverwundbar, false);
        e.Spieler(p).Unverwundbar = false;
        ansicht_.RestsekundenAnzeigen(p, 0);
    }
    daten_.Einstellungen.EinstellungenSetzen(e);
}

void TSpiel::Krankheit(int p) {
    TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
    TSpielerEinstellungen& s = e.Spieler(p);
    if (s.Krank) {
        timerKrank_[Nr(p)]->SetzeIntervall(daten_.Zufall.Zufall(5000));
        std::swap(s.TasteOben, s.TasteUnten);
        std::swap(s.TasteLinks, s.TasteRechts);
        ansicht_.Klang(TKlang::TastenVertauscht);
    }
    daten_.Einstellungen.EinstellungenSetzen(e);
}

// ---- Computer ----

void TSpiel::Timer_KITimer() {
    const TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
    for (int p = 1; p <= 2; ++p) {
        // Player 1's move may have ended the round; player 2 then has nothing left to do.
        if (!rundeLaeuft_) return;
        const TSpielerEinstellungen& s = e.Spieler(p);
        if (!s.Computer || belegt_[Nr(p)]) continue;
        const TAktion a = daten_.Einstellungen.ComputerArt(p) == TComputerArt::Stark
                              ? stark_[Nr(p)].Entscheide(daten_, p, StarkLage(p))
                              : Entscheide(daten_, p);
        if (a == TAktion::Keine) continue;
        if (IstSchritt(a)) {
            // Never a step into an explosion.
            const TKnoten c = SpielerFinden(daten_, p).Knoten;
            if (HatExplosion(NachbarMitRand(daten_.Feld, c, RichtungVon(a)))) continue;
        }
        TasteVerarbeiten(s.Taste(a), p, e, true);
    }
}

TStarkLage TSpiel::StarkLage(int p) const {
    const TSpielRecEinstellungen e = daten_.Einstellungen.EinstellungenHolen();
    auto bis = [](const ITimer& t) { return t.Eingeschaltet() ? t.BisZumTick() : 0u; };
    TStarkLage l;
    l.Takte = {timerBombe_->Intervall(), bis(*timerBombe_),         timerExplo_->Intervall(),
               bis(*timerExplo_),        timerWasser_->Intervall(), bis(*timerWasser_)};
    if (timerSturmflut_->Eingeschaltet()) {
        const int ring = sturmSekunden_ + 1 - daten_.Einstellungen.Sturmflut * 60;
        l.Takte.SturmRing = std::max(ring, 0);
        l.Takte.BisSturm = timerSturmflut_->BisZumTick() +
                           std::uint32_t(std::max(-ring, 0)) * timerSturmflut_->Intervall();
    }
    const std::uint32_t ki = std::max<std::uint32_t>(timerKI_->Intervall(), 1);
    const std::uint32_t verzoegerung = timerSpieler_[0]->Intervall();
    // A computer acts at the first beat after its lock (at the same moment the beat comes
    // first); a person may press keys as fast as the lock lets them.
    auto schritt = [&](int q) {
        return e.Spieler(q).Computer ? ki * (verzoegerung / ki + 1)
                                     : std::max<std::uint32_t>(verzoegerung, 100);
    };
    l.Schritt = schritt(p);
    l.GegnerSchritt = schritt(p == 1 ? 2 : 1);
    l.Schutz = e.Spieler(p).Unverwundbar ? restsekunden_[Nr(p)] * 1000u : 0u;
    return l;
}
