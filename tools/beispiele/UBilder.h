// The built-in pictures (PNG with alpha, in resources/bilder) and the default block and water
// bitmaps (24 bit, in Bilder/).
#pragma once

#include <QImage>

QImage Explosion();
QImage Bombe();
QImage Tot();
// Player 1 in blue, player 2 in red.
QImage Spieler(int nr);
QImage Werfen();
QImage MehrBomben();
QImage Unverwundbar();
QImage Krankheit();
// The title picture at 400 x 400 units, with faktor pixels a unit.
QImage Titel(int faktor);

QImage Fels();
QImage Kiste();
QImage Mauer();
QImage Ziegel();
// Two phases of the waves, in two shades of blue.
QImage Wasser(int phase);
