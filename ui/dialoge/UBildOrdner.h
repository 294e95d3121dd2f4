// The image folder window: chooses the folders the block and water pictures are loaded from.
#pragma once

#include <QDialog>

class QLineEdit;
class QToolButton;
class TProgrammDaten;

class TFrm_BildOrdner : public QDialog {
    Q_OBJECT
  public:
    explicit TFrm_BildOrdner(TProgrammDaten& p);
    // What the window's creation does to the program: the standard image folders. Runs at
    // program start, before the window itself is first needed.
    static void Programmstart(TProgrammDaten& p);

    // Remembers the folders, shows the window modally and, on OK, reloads both image sets from
    // the folders chosen. Any other way out puts the old folders back. True for OK.
    bool OrdnerWaehlen();

    QLineEdit* Ed_UnZerstoer;
    QLineEdit* Ed_Wasser;
    QToolButton* SB_UnZerstoerbar;
    QToolButton* SB_Wasser;

    void OrdnerAuswahl(QToolButton* sender);

  private:
    void OrdnerAnzeigen();
    void Set_TempOrdner();

    TProgrammDaten& p_;
    QString tempUnZerstoer_, tempWasser_;
};
