#include "tools/beispiele/ULevel.h"

#include <QPainter>

#include "files/URecords.h"
#include "tools/beispiele/UAusgabe.h"
#include "tools/beispiele/UBilder.h"

namespace {

TFeldDaten FeldDaten(const TLevelPlan& plan) {
    TFeldDaten g;
    g.Name = plan.Name;
    g.SpielHoehe = std::uint16_t(plan.Zeilen.size());
    g.SpielBreite = std::uint16_t(plan.Zeilen.front().size());
    g.EinzelBreite = plan.EinzelBreite;
    g.EinzelHoehe = plan.EinzelHoehe;
    g.Farbe = plan.Farbe;
    return g;
}

}  // namespace

// Pictures by position in the level's image file (the block folder, sorted by name, and the
// water folder): fels 0, kiste 1, mauer 2, ziegel 3; wasser1 0, wasser2 1.
std::optional<TZelle> ZelleVon(char c) {
    switch (c) {
        case '.':
            return TZelle{zaFrei, 0, false};
        case '+':
            return TZelle{zaZerstoerbar, 1, false};
        case '%':
            return TZelle{zaZerstoerbar, 3, false};
        case '#':
            return TZelle{zaUnzerstoerbar, 2, false};
        case '@':
            return TZelle{zaUnzerstoerbar, 0, false};
        case '~':
            return TZelle{zaWasser, 0, false};
        case 'w':
            return TZelle{zaWasser, 1, false};
        case '1':
            return TZelle{zaSpieler1, 0, false};
        case '2':
            return TZelle{zaSpieler2, 0, false};
        default:
            return std::nullopt;
    }
}

TSpielfeld Spielfeld(const TLevelPlan& plan) {
    TSpielfeld feld;
    feld.SetzeFeldDaten(FeldDaten(plan));
    feld.ErzeugeFeld(feld.Zellenzahl());
    for (std::size_t z = 0; z < plan.Zeilen.size(); ++z)
        for (std::size_t s = 0; s < plan.Zeilen[z].size(); ++s)
            TSpielfeld::SetzeZellenDaten(feld.KnotenBei(feld.IndexVon(s, z)),
                                         ZelleVon(plan.Zeilen[z][s]).value());
    return feld;
}

bool LevelSchreiben(const TLevelPlan& plan, const QString& ziel) {
    TBytes zellen;
    for (const std::string& zeile : plan.Zeilen)
        for (char c : zeile) {
            const TBytes b = PackeZelle(ZelleVon(c).value());
            zellen.insert(zellen.end(), b.begin(), b.end());
        }
    TBytes bilder;
    const char* bloecke[] = {"fels.bmp", "kiste.bmp", "mauer.bmp", "ziegel.bmp"};
    const char* wasser[] = {"wasser1.bmp", "wasser2.bmp"};
    auto eintrag = [&](std::uint8_t art, std::uint16_t nr, const char* name) {
        // Only the file name: the level finds its pictures in the current image folders.
        const TBytes b = PackeBildEintrag({art, nr, name});
        bilder.insert(bilder.end(), b.begin(), b.end());
    };
    for (std::uint16_t i = 0; i < 4; ++i) eintrag(1, i + 1, bloecke[i]);
    for (std::uint16_t i = 0; i < 2; ++i) eintrag(3, i + 1, wasser[i]);

    const QString basis = "Spielfelder/" + QString::fromStdString(plan.Datei) + ".dat";
    return Schreiben(ziel, basis, zellen) &&
           Schreiben(ziel, basis + ".all", PackeFeldDaten(FeldDaten(plan))) &&
           Schreiben(ziel, basis + ".bild", bilder);
}

// Its pictures at 10 pixels a cell on its colour.
bool Vorschau(const TLevelPlan& plan, const QString& ziel) {
    constexpr int kZelle = 10;
    const int h = int(plan.Zeilen.size()), w = int(plan.Zeilen.front().size());
    QImage b(w * kZelle, h * kZelle, QImage::Format_RGB32);
    const std::uint32_t f = plan.Farbe;
    b.fill(QColor(int(f & 0xFF), int((f >> 8) & 0xFF), int((f >> 16) & 0xFF)));
    const QImage bloecke[] = {Fels(), Kiste(), Mauer(), Ziegel()};
    const QImage wasser[] = {Wasser(0), Wasser(1)};
    const QImage eins = Spieler(1), zwei = Spieler(2);
    QPainter p(&b);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) {
            const TZelle z = ZelleVon(plan.Zeilen[std::size_t(r)][std::size_t(c)]).value();
            const QImage* bild = z.Art == zaZerstoerbar || z.Art == zaUnzerstoerbar
                                     ? &bloecke[z.Bild]
                                 : z.Art == zaWasser   ? &wasser[z.Bild]
                                 : z.Art == zaSpieler1 ? &eins
                                 : z.Art == zaSpieler2 ? &zwei
                                                       : nullptr;
            if (bild) p.drawImage(QRect(c * kZelle, r * kZelle, kZelle, kZelle), *bild);
        }
    p.end();
    return Speichern(b, ziel, "docs/level/" + QString::fromStdString(plan.Datei) + ".png", "PNG");
}
