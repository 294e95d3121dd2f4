#include "netz/UPruefsumme.h"

#include "files/URecords.h"

namespace {

// FNV-1a over explicit little-endian bytes, so that both machines hash alike whatever their
// compiler or standard library.
class TFnv {
  public:
    void Bytes(const std::uint8_t* b, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) wert_ = (wert_ ^ b[i]) * 0x100000001b3ull;
    }
    void Zahl(std::uint64_t v, int breite = 8) {
        for (int i = 0; i < breite; ++i) {
            const std::uint8_t b = std::uint8_t(v >> (8 * i));
            Bytes(&b, 1);
        }
    }
    std::uint64_t Wert() const { return wert_; }

  private:
    std::uint64_t wert_ = 0xcbf29ce484222325ull;
};

}  // namespace

std::uint64_t Zustandshash(TSpiel& spiel, const TSimUhr& uhr) {
    TFnv h;
    TSpielDaten& d = spiel.Daten();
    const TBytes geometrie = PackeFeldDaten(d.Feld.FeldDaten());
    h.Bytes(geometrie.data(), geometrie.size());
    h.Zahl(d.Feld.Zellen().size(), 4);
    for (const TZelle& z : d.Feld.Zellen()) {
        h.Zahl(z.Art, 1);
        h.Zahl(z.Bild, 2);
        h.Zahl(z.Neu, 1);
    }
    for (const auto* liste : {&d.Bomben.Bombenliste(), &d.Bomben.Explosionsliste()}) {
        h.Zahl(liste->size(), 4);
        for (const TBombe& b : *liste) {
            h.Zahl(b.Zaehler, 2);
            h.Zahl(b.Position.Zeile, 2);
            h.Zahl(b.Position.Spalte, 2);
            h.Zahl(b.Spieler, 1);
        }
    }
    // Points, extras, keys (the disease swaps them) and flags.
    const TBytes rec = PackeEinstellungen(d.Einstellungen.EinstellungenHolen());
    h.Bytes(rec.data(), rec.size());
    h.Zahl(spiel.Runde(), 1);
    for (int s = 1; s <= 2; ++s) {
        h.Zahl(spiel.Belegt(s), 1);
        h.Zahl(spiel.Restsekunden(s), 2);
    }
    h.Zahl(spiel.NaechsteRundeAktiv(), 1);
    h.Zahl(spiel.FeldAktiv(), 1);
    h.Zahl(spiel.LetztesErgebnis(), 1);
    h.Zahl(spiel.MatchVorbei(), 1);
    h.Zahl(d.Zerstoert, 4);
    h.Zahl(d.Freigelegt, 4);
    for (const TSimUhr::TStand& t : uhr.Staende()) {
        h.Zahl(t.An, 1);
        h.Zahl(t.Intervall, 4);
        h.Zahl(t.Faellig);
    }
    h.Zahl(uhr.Jetzt());
    h.Zahl(uhr.AnzahlTicks());
    h.Zahl(d.Zufall.Vorschau());
    return h.Wert();
}
