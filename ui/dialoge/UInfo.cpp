#include "ui/dialoge/UInfo.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include "ui/basis/UEingebauteBilder.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/programm/UProgrammDaten.h"

namespace {

QFont Arial(int pixel) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    return f;
}

}  // namespace

QUrl HomepageAdresse() {
    return QUrl(QStringLiteral("https://") + QString::fromLatin1(kHomepage));
}

TFrm_Info::TFrm_Info(TProgrammDaten& p) : p_(p) {
    setObjectName(QStringLiteral("TFrm_Info"));
    setWindowTitle(QStringLiteral("Knallfeld - Info"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(479, 230);

    Im_Main = new QLabel(this);
    Im_Main->setObjectName(QStringLiteral("Im_Main"));
    Im_Main->setGeometry(8, 12, 217, 205);
    Im_Main->setScaledContents(true);
    Im_Main->setPixmap(Titelbild());

    Lb_Ueberschrift = new QLabel(QStringLiteral("Knallfeld"), this);
    Lb_Ueberschrift->setObjectName(QStringLiteral("Lb_Ueberschrift"));
    Lb_Ueberschrift->setFont(Arial(32));
    Lb_Ueberschrift->setGeometry(244, 20, 225, 40);

    Lb_Version = new QLabel(QStringLiteral("Version 1.0"), this);
    Lb_Version->setObjectName(QStringLiteral("Lb_Version"));
    Lb_Version->setFont(Arial(11));
    Lb_Version->setGeometry(248, 62, 200, 16);

    Lb_Name = new QLabel(QStringLiteral("Das Knallfeld-Team"), this);
    Lb_Name->setObjectName(QStringLiteral("Lb_Name"));
    Lb_Name->setFont(Arial(16));
    Lb_Name->setGeometry(248, 100, 225, 22);

    Lb_Homepage = new QLabel(QString::fromLatin1(kHomepage), this);
    Lb_Homepage->setObjectName(QStringLiteral("Lb_Homepage"));
    QFont link = Arial(13);
    link.setUnderline(true);
    Lb_Homepage->setFont(link);
    TextFarbe(Lb_Homepage, Qt::blue);
    Lb_Homepage->setCursor(Qt::PointingHandCursor);
    Lb_Homepage->setGeometry(248, 130, 225, 20);
    Lb_Homepage->installEventFilter(this);

    // An empty static text of the first version; it shows nothing.
    auto* st = new QLabel(this);
    st->setObjectName(QStringLiteral("ST_Version"));
    st->setGeometry(470, 4, 4, 4);

    Btn_OK = new QPushButton(QStringLiteral("OK"), this);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_OK->setGeometry(388, 194, 81, 25);
    Btn_OK->setDefault(true);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
}

bool TFrm_Info::eventFilter(QObject* o, QEvent* e) {
    if (o == Lb_Homepage && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        OpenHomepage();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TFrm_Info::OpenHomepage() {
    p_.WebseiteOeffnen(QUrl(QStringLiteral("https://") + Lb_Homepage->text()));
}
