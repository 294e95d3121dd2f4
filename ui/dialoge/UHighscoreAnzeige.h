// The highscore window: the ranked list, and deleting it as a whole.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QPushButton;
class QTreeWidget;
class TProgrammDaten;

class TFrm_Highscore : public QDialog {
    Q_OBJECT
  public:
    explicit TFrm_Highscore(TProgrammDaten& p);
    // What the window's creation does to the program: the highscore list is loaded. Runs at
    // program start; building the window later must not reload it, or entries that could not
    // be saved would be lost.
    static void Programmstart(TProgrammDaten& p);

    // Fills the list view from the highscore list.
    void ListeFuellen();
    void Btn_DeleteClick();

    QTreeWidget* LV_Highscore;
    QPushButton* Btn_Delete;
    // "Wiederholung ansehen": the selected entry's match, while its recording is kept.
    QPushButton* Btn_Wiederholung;
    void WiederholungAnsehen();
    QPushButton* Btn_OK;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    TProgrammDaten& p_;
    std::vector<std::string> aufnahmen_;  // per row; empty where none is kept
};
