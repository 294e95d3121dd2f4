// The standard file and folder dialogs, behind an interface so that tests can answer them.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QWidget;

struct TDateiWahl {
    QString Titel;
    QString Filter;  // as Qt writes it: "Spielfelder (*.dat)"
    QString Ordner;  // where the dialog opens; empty: wherever it opened last
    QString Endung;  // appended when the user types a name without one
    bool MitVorschau = false;
    // Off where the caller asks the overwrite question itself (the level files do).
    bool UeberschreibenFragen = true;
};

class IDateiDialoge {
  public:
    virtual ~IDateiDialoge() = default;
    // Each returns the chosen path, or an empty text when the user cancelled.
    // Only existing files can be opened.
    virtual std::string Oeffnen(QWidget* besitzer, const TDateiWahl& w) = 0;
    // Several existing files at once; none when the user cancelled.
    virtual std::vector<std::string> OeffnenMehrere(QWidget* besitzer, const TDateiWahl& w) = 0;
    // Asks before replacing an existing file.
    virtual std::string Speichern(QWidget* besitzer, const TDateiWahl& w) = 0;
    // Only existing folders; the path comes without a trailing separator.
    virtual std::string Ordner(QWidget* besitzer, const QString& titel, const QString& start) = 0;
};

class TQtDateiDialoge : public IDateiDialoge {
  public:
    std::string Oeffnen(QWidget* besitzer, const TDateiWahl& w) override;
    std::vector<std::string> OeffnenMehrere(QWidget* besitzer, const TDateiWahl& w) override;
    std::string Speichern(QWidget* besitzer, const TDateiWahl& w) override;
    std::string Ordner(QWidget* besitzer, const QString& titel, const QString& start) override;
};
