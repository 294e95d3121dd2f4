// Arbitrary message sequences from the other side of a network match: into a host waiting for
// its guest, a guest waiting for its match data, and both sides of a running match. Whatever
// comes, the match never runs past the other side's horizon, nothing grows without bound, and
// the chat holds only lines within its caps.
#include "fuzz/FuzzHilfen.h"
#include "match/URegelVersion.h"
#include "netz/UNetzSitzung.h"

namespace {

struct TMaschine {
    TZaehlMeldungen Meldungen;
    TDateiFehler Fehler{Meldungen};
    TBilderSets Bilder{Fehler};
    TSpielfeld Feld;
    TKeineAnsicht Ansicht;
    TNetzUmgebung Umgebung() { return {Feld, Bilder, Meldungen, Ansicht}; }
};

TAufnahme Spieldaten() {
    TEinstellungen e;
    e.Arbeitskopie = e.EinstellungenHolen();
    e.LevelAnhaengen(KNALLFELD_QUELLE "Spielfelder/KleinesDuell.dat");
    e.LevelAnzahl = 1;
    return SpieldatenLesen(e, 1);
}

// The messages in the input: channel byte, 16-bit length, bytes.
template <typename F>
void Nachrichten(const std::uint8_t* d, std::size_t n, F f) {
    std::size_t i = 0;
    while (i + 3 <= n) {
        const int kanal = d[i] & 1;
        const std::size_t laenge = std::min<std::size_t>(d[i + 1] | (d[i + 2] << 8), n - i - 3);
        f(kanal, std::string_view(reinterpret_cast<const char*>(d + i + 3), laenge));
        i += 3 + laenge;
    }
}

void Pruefen(TNetzSitzung& s) {
    if (TNetzSeite* seite = s.Seite(); seite && seite->Lockstep().Grenze())
        INVARIANTE(seite->Zeit() <= *seite->Lockstep().Grenze() ||
                   s.Zustand() != TNetzZustand::Laeuft);
    if (TNetzSeite* seite = s.Seite()) INVARIANTE(seite->Lockstep().Wartend() <= kMaxWartend + 1);
    INVARIANTE(s.Chat().size() <= kChatZeilen);
    for (const TChatZeile& z : s.Chat()) INVARIANTE(TextGueltig(z.Text, kChatMaxZeichen));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static const TAufnahme spieldaten = Spieldaten();
    TMaschine h, g, h2, g2;
    TNetzOptionen o;
    o.Regeln = kRegelVersion;
    // Strangers at the door of a host and of a guest.
    TNetzSitzung host(o, h.Umgebung(), spieldaten), gast(o, g.Umgebung(), std::nullopt);
    host.Verbunden(0);
    gast.Verbunden(0);
    std::uint64_t wand = 0;
    Nachrichten(daten, groesse, [&](int kanal, std::string_view m) {
        wand += 5;
        host.Empfangen(kanal, m, wand);
        gast.Empfangen(kanal, m, wand);
        host.Schritt(wand);
        gast.Schritt(wand);
        Pruefen(host);
        Pruefen(gast);
    });
    // A running match: the real guest joined, then the same bytes come from "the host".
    TNetzSitzung a(o, h2.Umgebung(), spieldaten), b(o, g2.Umgebung(), std::nullopt);
    a.Verbunden(0);
    b.Verbunden(0);
    for (int i = 0; i < 20 && b.Zustand() != TNetzZustand::Laeuft; ++i) {
        for (const TNetzPaket& p : b.Ausgang()) a.Empfangen(p.Kanal, p.Daten, 0);
        for (const TNetzPaket& p : a.Ausgang()) b.Empfangen(p.Kanal, p.Daten, 0);
    }
    INVARIANTE(b.Zustand() == TNetzZustand::Laeuft);
    wand = 0;
    Nachrichten(daten, groesse, [&](int kanal, std::string_view m) {
        wand += 16;
        b.Empfangen(kanal, m, wand);
        b.Schritt(wand);
        Pruefen(b);
    });
    return 0;
}
