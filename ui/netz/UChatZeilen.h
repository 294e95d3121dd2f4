// The chat's lines broken to the panel's width.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Each line broken at word boundaries, a word too long for one line anywhere, so that nothing
// runs past 'breite'; of the result the last 'hoechstens' lines, the newest, joined by '\n'.
QString ChatUmbrechen(const QStringList& zeilen, const QFont& schrift, int breite, int hoechstens);
