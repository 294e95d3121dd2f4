// The size of the match window: the one its level computes, or one the player chose (resized,
// maximised, full screen), which lasts until the match ends; and the way back from full screen.
#pragma once

#include <QRect>
#include <QSize>
#include <Qt>

class QWidget;

class TFensterGroesse {
  public:
    explicit TFensterGroesse(QWidget& fenster) : f_(fenster) {}

    // A new match: the computed size again.
    void Neu() { eigene_ = false; }
    // The player has given the window another size.
    bool Eigene() const { return eigene_; }
    // A level's board of 'gitter' pixels on the screen area 'schirm': the view of the board at
    // the computed size, the computed size and the smallest one. The window takes the computed
    // size unless the player chose another.
    void Berechnen(QSize gitter, QRect schirm);
    // The panel needs this much more height below its design (a network match's chat).
    void Zusatz(int pixel) { zusatz_ = pixel; }
    // The board's view at the computed size; a board larger than the screen scrolls in it.
    QSize Sicht() const { return sicht_; }
    // After the window's size has changed.
    void Geaendert();
    // After the window's state has changed from 'vorher'; true when it needs laying out anew.
    bool ZustandGeaendert(Qt::WindowStates vorher);

  private:
    void Zuruecksetzen();

    QWidget& f_;
    QSize berechnet_;  // the size computed for the round's level
    QSize sicht_;      // the board's view at that size
    bool eigene_ = false;
    int zusatz_ = 0;
    bool wirAendern_ = false;   // our own resize, not the player's
    bool eigeneDavor_ = false;  // before full screen or maximised
    bool zurueck_ = false;      // just back from full screen to the computed size
};
