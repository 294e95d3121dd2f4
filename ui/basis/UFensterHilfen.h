// Small helpers shared by the windows.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <cstdint>
#include <string>

#include "ui/basis/UFarbe.h"

class QWidget;
class QDialog;
class QPushButton;
class QLineEdit;
class IMeldungen;

inline QString QText(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string StdText(const QString& s) {
    return s.toStdString();
}

// Moves a window to the middle of the screen it is on (or the primary screen).
void ZentriereAufBildschirm(QWidget* w);

// Paths are stored in fields of 255 Windows-1252 characters; a longer one, or one with a
// character the code page lacks, would come back as another file, so it is refused with a box
// instead. True when the path can be stored.
bool PfadPasst(const std::string& pfad, IMeldungen& m);
// The same for a path that is only stored later (a level that may join a level list).
bool PfadZeichenPassen(const std::string& pfad, IMeldungen& m);
std::string PfadZuLangText(const std::string& pfad);

// A name box takes only characters the files can store.
void NurSpeicherbareZeichen(QLineEdit* ed);

// A push button with its name at a fixed place; never a default button, so Enter in an edit
// field presses nothing.
QPushButton* Knopf(QWidget* eltern, const QString& text, const char* name, QRect r);

// The colour of a label's text, set in its palette: a style sheet would bring in Qt's whole style
// sheet machinery for one colour.
void TextFarbe(QWidget* w, const QColor& farbe);
