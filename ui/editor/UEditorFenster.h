// The level editor window: the field grid on the left, the tools on the right, a menu on top.
// The rules live in TEditor; this window lays out, draws and forwards.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "editor/UEditor.h"
#include "ui/editor/UBildZwischenspeicher.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QToolButton;
class TAuswahlGitter;
class TFeldGitter;
class TFrm_Editoreinstellungen;
class TProgrammDaten;
struct TFenster;

class TFrm_Editor : public QDialog, public IEditorFenster {
    Q_OBJECT
  public:
    // The image folder window and the editor settings dialog are looked up in fenster when
    // they are needed.
    TFrm_Editor(TProgrammDaten& p, TFenster& fenster, QWidget* parent = nullptr);
    // What the window's creation does to the program: both image sets are loaded from the
    // current image folders. Runs at program start.
    static void Programmstart(TProgrammDaten& p);
    ~TFrm_Editor() override;

    // A new, all-free level of this geometry; lays out the window for it.
    void Feld_Erstellen(std::uint16_t einzelHoehe, std::uint16_t einzelBreite,
                        std::uint16_t spielHoehe, std::uint16_t spielBreite, std::uint32_t farbe);

    // IEditorFenster
    void FeldAufbauen() override;
    void FeldNeuZeichnen() override;
    void AuswahlZuruecksetzen() override;
    void AuswahlNeuZeichnen() override;
    void BefehleAktualisieren() override;
    std::string Name() const override;
    void NameSetzen(const std::string& name) override;
    void NameFokussieren() override;
    void Zentrieren() override;
    std::optional<std::string> OeffnenDialog() override;
    std::optional<std::string> SpeichernDialog() override;
    std::optional<std::string> BildDialog() override;
    bool BilderOrdnerDialog() override;
    std::optional<TEditorEinstellungen> EinstellungenDialog(const TFeldDaten& g) override;

  protected:
    void closeEvent(QCloseEvent* e) override;
    // Escape closes like "B&eenden", through the close question.
    void reject() override;

  private:
    void MenueAnlegen();
    void WerkzeugeAnlegen();
    TZellenArt AktuelleArt() const;
    void SG_FeldSelectCell(int spalte, int zeile);
    void CB_Felder_ArtChange();
    void SG_AuswahlDrawCell(QPainter& p, const QRect& r, int zeile);

    TProgrammDaten& p_;
    TFenster& fenster_;
    TEditor editor_;
    TBildZwischenspeicher vorschau_;
    // Used only when the program has no editor settings dialog of its own.
    std::unique_ptr<TFrm_Editoreinstellungen> eigeneEinstellungen_;

    QMenuBar* menue_;
    QAction* speichern_;
    QAction* undo_;
    QScrollArea* feldBereich_;
    TFeldGitter* sgFeld_;
    QGroupBox* gbName_;
    QGroupBox* gbAuswahl_;
    QGroupBox* gbBitmap_;
    QGroupBox* gbEditor_;
    QLineEdit* edName_;
    QComboBox* cbArt_;
    QRadioButton* rbSpieler1_;
    QRadioButton* rbSpieler2_;
    TAuswahlGitter* sgAuswahl_;
    QRadioButton* rbBlock_;
    QRadioButton* rbWasser_;
};
