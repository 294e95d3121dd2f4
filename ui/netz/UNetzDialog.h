// "Netzwerkspiel eröffnen..." and "Netzwerkspiel beitreten...": one dialog for both sides. The
// host waits here for its guest, the guest connects; once the match runs the dialog hands it to
// the match window.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "netz/UNetzSitzung.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TNetzDienst;
class TProgrammDaten;

class TFrm_Netzwerk : public QDialog {
    Q_OBJECT
  public:
    // umgebung: what the match will be played with (the match window's board and view).
    TFrm_Netzwerk(TProgrammDaten& p, std::function<TNetzUmgebung()> umgebung,
                  QWidget* eltern = nullptr);
    ~TFrm_Netzwerk() override;

    // Shows the dialog with the last entries; the running match when one has begun, else
    // nothing (cancelled, or failed with its message shown).
    std::unique_ptr<TNetzDienst> Zeigen(bool eroeffnen);

    QRadioButton *RB_Eroeffnen, *RB_Beitreten;
    QLineEdit *Ed_Adresse, *Ed_Name;
    QSpinBox* SE_Port;
    QCheckBox* CB_Computer;
    QLabel *Lb_Adresse, *Lb_Adressen, *Lb_Status;
    QPushButton *Btn_Start, *Btn_Abbrechen;

    // "Eröffnen"/"Beitreten": checks the entries, keeps them, and starts to wait or connect.
    void Starten();
    // While waiting: stops it (the port is free again). Otherwise closes the dialog.
    void Abbrechen();

  protected:
    void reject() override;

  private:
    void Anpassen();
    void Warten(bool an);
    void DienstGeaendert();
    bool Meldung(const std::string& text);

    TProgrammDaten& p_;
    std::function<TNetzUmgebung()> umgebung_;
    std::unique_ptr<TNetzDienst> dienst_;
};
