// The info box: title, version, author and the homepage link.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TProgrammDaten;

// The author's homepage, without the scheme, as the info box shows it.
inline constexpr const char* kHomepage = "www.example.org/knallfeld";
QUrl HomepageAdresse();

class TFrm_Info : public QDialog {
    Q_OBJECT
  public:
    explicit TFrm_Info(TProgrammDaten& p);

    void OpenHomepage();

    QLabel* Im_Main;
    QLabel* Lb_Ueberschrift;
    QLabel* Lb_Version;
    QLabel* Lb_Name;
    QLabel* Lb_Homepage;
    QPushButton* Btn_OK;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    TProgrammDaten& p_;
};
