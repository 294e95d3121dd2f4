// The editor settings dialog: cell size, field size and background colour of new levels.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>

#include "editor/UEditorEinstellungen.h"

class QSpinBox;
class QFrame;
class QPushButton;

class TFrm_Editoreinstellungen : public QDialog {
    Q_OBJECT
  public:
    explicit TFrm_Editoreinstellungen(QWidget* parent = nullptr);

    // Loads the dialog; values outside a field's range show the nearest bound.
    void Set_Einstellungen(const TFeldDaten& d);
    // "Standardwerte".
    void Reset();
    void Zentrieren();

    // The five read-outs, used after OK.
    std::uint32_t Farbe() const { return farbe_; }
    std::uint16_t SpielHoehe() const;
    std::uint16_t SpielBreite() const;
    std::uint16_t EinzelHoehe() const;
    std::uint16_t EinzelBreite() const;
    TEditorEinstellungen Werte() const;

    // Loads d, centres the dialog, shows it with modal (the program's way of showing a modal
    // window) and gives the values on OK.
    std::optional<TEditorEinstellungen> Zeigen(const TFeldDaten& d,
                                               const std::function<int(QDialog&)>& modal);

    // The colour chooser; tests answer it. Returns the chosen colour, or nothing on cancel.
    std::function<std::optional<std::uint32_t>(std::uint32_t)> FarbWahl;

  private:
    void Laden(const TEditorEinstellungen& e);
    void FarbeSetzen(std::uint32_t farbe);
    void Btn_ColorClick();

    QSpinBox* einzelHoehe_;
    QSpinBox* einzelBreite_;
    QSpinBox* spielHoehe_;
    QSpinBox* spielBreite_;
    QFrame* farbfeld_;
    std::uint32_t farbe_ = clGruen;
};
