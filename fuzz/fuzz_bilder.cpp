// The image file of a level, with the fall-back to the image folders by file name.
#include <filesystem>

#include "files/UDatei.h"
#include "fuzz/FuzzHilfen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static const std::string block = Arbeitsordner() + "block/";
    static const std::string wasser = Arbeitsordner() + "wasser/";
    static const bool angelegt = [] {
        std::filesystem::create_directories(block);
        std::filesystem::create_directories(wasser);
        BeispielBmp(block + "a.bmp", 4, 4);
        BeispielBmp(block + "b.bmp", 4, 4);
        BeispielBmp(wasser + "w.bmp", 4, 4);
        return true;
    }();
    (void)angelegt;
    TZaehlMeldungen m;
    TDateiFehler df(m);
    TSpielfeld feld;
    TBilderSets bilder(df);
    bilder.Blockbilderordner = block;
    bilder.Wasserbilderordner = wasser;
    bilder.BilderNeuLaden();
    TLevelDateien dateien(feld, bilder, df);
    const std::string pfad = Arbeitsordner() + "l.dat.bild";
    DateiSchreiben(pfad, daten, groesse);
    const auto bloecke = bilder.AnzahlBilder(kBlockbilder);
    const auto stand = bilder.Stand();
    dateien.BilderLesen(pfad);
    if (bilder.Stand() == stand) INVARIANTE(bilder.AnzahlBilder(kBlockbilder) == bloecke);
    for (std::uint8_t art : {kBlockbilder, kWasserbilder}) {
        for (const auto& e : bilder.Satz(art)) {
            INVARIANTE(!e.Bitmap.isNull());
            INVARIANTE(e.Daten.Pfad.size() <= 2 * 255);
        }
        if (bilder.IstGeladen(art)) INVARIANTE(bilder.BildHolen(60000, art) != nullptr);
    }
    return 0;
}
