// The status panel beside the board: the round and the level, and for each player the name,
// the points, the picture, the extras held, the invulnerability left and the pad symbol. Its
// controls keep the names the window's tests find them by.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "model/USpielRecEinstellungen.h"

class QGroupBox;
class QLabel;
class QTimer;
class QWidget;
class TSpielBilder;

// A text label at a design position; text from files is shown as it is, never as markup.
QLabel* PanelText(QWidget* eltern, const QString& text, const QString& name, int x, int y,
                  int w = 0, bool fett = false);

class TStatusPanel {
  public:
    // Both group boxes as children of 'fenster', sized as designed; the window places them.
    explicit TStatusPanel(QWidget& fenster);

    void Zeigen(const std::string& levelname, const TSpielRecEinstellungen& e,
                const TSpielBilder& bilder);
    void Runde(std::uint8_t runde);
    void Punkte(std::uint16_t punkte1, std::uint16_t punkte2);
    // With moving pictures, points gained count up to their new value over kZaehlDauer of
    // 'zeit', the board's clock: a pause holds the count, a faster replay speeds it up.
    void Bewegt(bool an, std::function<std::uint64_t()> zeit) {
        bewegt_ = an && zeit;
        zeit_ = std::move(zeit);
    }
    // A replay's jump: points show their value at once.
    void Springen(bool an) { springt_ = an; }
    // A box stands in front: points counting show their new value.
    void ZaehlenBeenden();
    static constexpr std::uint64_t kZaehlDauer = 400;
    void Extra(int spieler, TExtra extra, bool sichtbar);
    void Restsekunden(int spieler, std::uint16_t sekunden);
    // "Sturmflut in N s" counting down, "Sturmflut!" once it runs; nothing for -1.
    void Sturmflut(int sekunden);
    // The pad symbol of each player whose pad is connected.
    void PadSymbole(std::array<bool, 2> amPad);

    QGroupBox *GB_Spiel, *GB_Spieler;
    QLabel *Lb_Runde_Anzeige, *Lb_Runden_Anzeige3, *Lb_SpielName, *Lb_Sturmflut;
    std::array<QLabel*, 2> Lb_Name{}, Lb_Punkte_Anzeige{}, Lb_Unverwundbar_Anzeige{}, Im_Spieler{};
    // Per player, by ExtraIndex.
    std::array<std::array<QLabel*, kExtraAnzahl>, 2> Im_Extras{};
    std::array<QLabel*, 2> Im_Pad{};

  private:
    QWidget* SpielerPanel(int spieler);
    void Zaehlen();

    bool bewegt_ = false, springt_ = false;
    std::function<std::uint64_t()> zeit_;
    std::array<std::uint16_t, 2> punkte_{};
    // A count under way: from the value shown when the points changed, since that time.
    std::array<std::uint16_t, 2> von_{};
    std::array<std::uint64_t, 2> ab_{};
    std::array<bool, 2> zaehlt_{};
    QTimer* zaehlTakt_ = nullptr;
};
