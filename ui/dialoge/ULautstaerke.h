// "Lautstärke...": a slider from 0 to 100; letting it go plays a sample at that volume.
#pragma once

#include <QDialog>

class QLabel;
class QSlider;
class IKlaenge;

class TFrm_Lautstaerke : public QDialog {
    Q_OBJECT
  public:
    // klaenge may be nullptr (no sample then).
    TFrm_Lautstaerke(int lautstaerke, IKlaenge* klaenge, QWidget* eltern = nullptr);
    int Lautstaerke() const;

    QSlider* SL_Lautstaerke;
    QLabel* Lb_Wert;
};
