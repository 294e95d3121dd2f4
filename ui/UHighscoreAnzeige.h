// The highscore window: the ranked list, and deleting it as a whole.
#pragma once

#include <QDialog>

class QPushButton;
class QTreeWidget;
class TProgrammDaten;

class TFrm_Highscore : public QDialog {
    Q_OBJECT
  public:
    explicit TFrm_Highscore(TProgrammDaten& p);

    // Fills the list view from the highscore list.
    void ListeFuellen();
    void Btn_DeleteClick();

    QTreeWidget* LV_Highscore;
    QPushButton* Btn_Delete;
    QPushButton* Btn_OK;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void FormCreate();

    TProgrammDaten& p_;
};
