#include "ui/spiel/UStatusPanel.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "ui/basis/UFensterHilfen.h"
#include "ui/spiel/USpielBilder.h"
#include "ui/spiel/USpielMasse.h"

QLabel* PanelText(QWidget* eltern, const QString& text, const QString& name, int x, int y, int w,
                  bool fett) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    // Level and player names come from files: shown as they are, never as markup.
    l->setTextFormat(Qt::PlainText);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    l->move(x, y);
    // As high as its text, as the labels beside it are: a taller one would centre it lower.
    if (w > 0)
        l->resize(w, l->sizeHint().height());
    else
        l->adjustSize();
    return l;
}

TStatusPanel::TStatusPanel(QWidget& fenster) {
    GB_Spiel = new QGroupBox(QStringLiteral("Spiel"), &fenster);
    GB_Spiel->setObjectName(QStringLiteral("GB_Spiel"));
    GB_Spiel->resize(kPanelBreite, kSpielHoehe);
    // Three lines: the round, the level, and the storm flood while it is near.
    PanelText(GB_Spiel, QStringLiteral("Runde:"), QStringLiteral("Lb_Runde"), 12, 20, 0, true);
    Lb_Runde_Anzeige =
        PanelText(GB_Spiel, QStringLiteral("1"), QStringLiteral("Lb_Runde_Anzeige"), 72, 20, 24);
    Lb_Runde_Anzeige->setAlignment(Qt::AlignRight);
    PanelText(GB_Spiel, QStringLiteral("/"), QStringLiteral("Lb_Runden_Anzeige2"), 100, 20);
    Lb_Runden_Anzeige3 =
        PanelText(GB_Spiel, QStringLiteral("0"), QStringLiteral("Lb_Runden_Anzeige3"), 110, 20, 40);
    PanelText(GB_Spiel, QStringLiteral("Spielfeld:"), QStringLiteral("Lb_Spielfeld"), 12, 39, 0,
              true);
    Lb_SpielName = PanelText(GB_Spiel, QString(), QStringLiteral("Lb_SpielName"), 80, 39, 135);
    Lb_Sturmflut =
        PanelText(GB_Spiel, QString(), QStringLiteral("Lb_Sturmflut"), 12, 58, 200, true);
    Lb_Sturmflut->resize(200, Lb_Sturmflut->fontMetrics().height());
    TextFarbe(Lb_Sturmflut, QColor(0, 70, 170));
    Lb_Sturmflut->hide();

    GB_Spieler = new QGroupBox(QStringLiteral("Spieler"), &fenster);
    GB_Spieler->setObjectName(QStringLiteral("GB_Spieler"));
    GB_Spieler->resize(kPanelBreite, kSpielerHoehe);
    SpielerPanel(1)->move(15, 22);
    SpielerPanel(2)->move(15, 182);
}

QWidget* TStatusPanel::SpielerPanel(int spieler) {
    const int i = spieler - 1;
    const QString n = QString::number(spieler);
    auto* pn = new QFrame(GB_Spieler);
    pn->setObjectName(QStringLiteral("Pn_Spieler") + n);
    pn->setFrameShape(QFrame::StyledPanel);
    pn->resize(193, 153);

    QLabel* wer = PanelText(pn, spieler == 1 ? QStringLiteral("Eins:") : QStringLiteral("Zwei:"),
                            QStringLiteral("Lb_Spieler") + n, 8, 8, 0, true);
    TextFarbe(wer, spieler == 1 ? Qt::blue : Qt::red);
    Lb_Name[i] =
        PanelText(pn, QString(), QStringLiteral("Lb_Spieler%1_Name").arg(spieler), 52, 8, 129);
    PanelText(pn, QStringLiteral("Punkte:"),
              spieler == 1 ? QStringLiteral("Lb_Punkt1") : QStringLiteral("Lb_Punkte2"), 8, 34);
    Lb_Punkte_Anzeige[i] = PanelText(
        pn, QStringLiteral("0"), QStringLiteral("Lb_Punkte%1_Anzeige").arg(spieler), 62, 34, 60);

    auto* bildPanel = new QFrame(pn);
    bildPanel->setObjectName(QStringLiteral("Pn_SpielerBild") + n);
    bildPanel->setFrameShape(QFrame::Panel);
    bildPanel->setFrameShadow(QFrame::Sunken);
    bildPanel->setGeometry(141, 30, 44, 44);
    Im_Spieler[i] = new QLabel(bildPanel);
    Im_Spieler[i]->setObjectName(QStringLiteral("Im_Spieler") + n);
    Im_Spieler[i]->setGeometry(2, 2, 40, 40);
    Im_Spieler[i]->setScaledContents(true);

    const char* namen[4] = {"Im_Werfen", "Im_Mehrbomb", "Im_Unverwund", "Im_Krank"};
    for (const TExtra x : kExtras) {
        auto* icon = new QLabel(pn);
        icon->setObjectName(QString::fromLatin1(namen[ExtraIndex(x)]) + n);
        icon->setGeometry(8 + int(FolgePlatz(x)) * 39, 80, 35, 35);
        icon->setScaledContents(true);
        icon->hide();
        Im_Extras[i][ExtraIndex(x)] = icon;
    }

    Im_Pad[i] = new QLabel(pn);
    Im_Pad[i]->setObjectName(QStringLiteral("Im_Pad") + n);
    Im_Pad[i]->setGeometry(165, 86, 24, 24);
    Im_Pad[i]->setScaledContents(true);
    Im_Pad[i]->setToolTip(QStringLiteral("Spielt mit dem Gamepad"));
    Im_Pad[i]->hide();

    PanelText(pn, QStringLiteral("Unverwundbar:"), QStringLiteral("Lb_Unverwundbar") + n, 8, 126);
    Lb_Unverwundbar_Anzeige[i] = PanelText(
        pn, QStringLiteral("0"), QStringLiteral("Lb_Unverwundbar_Anzeige") + n, 104, 126, 30);
    Lb_Unverwundbar_Anzeige[i]->setAlignment(Qt::AlignRight);
    PanelText(pn, QStringLiteral("sek."), QStringLiteral("Lb_Sekunden") + n, 140, 126);
    return pn;
}

void TStatusPanel::Zeigen(const std::string& levelname, const TSpielRecEinstellungen& e,
                          const TSpielBilder& bilder) {
    Lb_Runden_Anzeige3->setText(QString::number(e.Rundenanzahl));
    Lb_SpielName->setText(QText(levelname));
    for (int s = 1; s <= 2; ++s) {
        Lb_Name[s - 1]->setText(QText(e.Spieler(s).Name));
        Im_Spieler[s - 1]->setPixmap(QPixmap::fromImage(bilder.Spielerbild(s)));
        for (const TExtra x : kExtras)
            Im_Extras[s - 1][ExtraIndex(x)]->setPixmap(QPixmap::fromImage(bilder.Extrabild(x)));
    }
    Punkte(e.Spieler1.Punkte, e.Spieler2.Punkte);
}

void TStatusPanel::Runde(std::uint8_t runde) {
    Lb_Runde_Anzeige->setText(QString::number(runde));
}

void TStatusPanel::Punkte(std::uint16_t punkte1, std::uint16_t punkte2) {
    const std::array<std::uint16_t, 2> neu{punkte1, punkte2};
    for (std::size_t i = 0; i < 2; ++i) {
        QLabel* l = Lb_Punkte_Anzeige[i];
        zaehlt_[i] = bewegt_ && !springt_ && neu[i] > punkte_[i];
        if (zaehlt_[i]) {
            von_[i] = std::uint16_t(std::min<int>(l->text().toInt(), punkte_[i]));
            ab_[i] = zeit_();
        } else {
            l->setText(QString::number(neu[i]));
        }
        punkte_[i] = neu[i];
    }
    if (!zaehlt_[0] && !zaehlt_[1]) return;
    if (!zaehlTakt_) {
        zaehlTakt_ = new QTimer(GB_Spieler);
        zaehlTakt_->setInterval(16);
        QObject::connect(zaehlTakt_, &QTimer::timeout, GB_Spieler, [this] { Zaehlen(); });
    }
    zaehlTakt_->start();
}

void TStatusPanel::Zaehlen() {
    const std::uint64_t jetzt = zeit_();
    for (std::size_t i = 0; i < 2; ++i) {
        if (!zaehlt_[i]) continue;
        const std::uint64_t t = jetzt - std::min(jetzt, ab_[i]);
        zaehlt_[i] = t < kZaehlDauer;
        const int wert =
            zaehlt_[i] ? von_[i] + int((punkte_[i] - von_[i]) * t / kZaehlDauer) : punkte_[i];
        Lb_Punkte_Anzeige[i]->setText(QString::number(wert));
    }
    if (!zaehlt_[0] && !zaehlt_[1]) zaehlTakt_->stop();
}

void TStatusPanel::ZaehlenBeenden() {
    for (std::size_t i = 0; i < 2; ++i)
        if (zaehlt_[i]) Lb_Punkte_Anzeige[i]->setText(QString::number(punkte_[i]));
    zaehlt_ = {};
    if (zaehlTakt_) zaehlTakt_->stop();
}

void TStatusPanel::Extra(int spieler, TExtra extra, bool sichtbar) {
    Im_Extras[spieler == 1 ? 0 : 1][ExtraIndex(extra)]->setVisible(sichtbar);
}

void TStatusPanel::Restsekunden(int spieler, std::uint16_t sekunden) {
    Lb_Unverwundbar_Anzeige[spieler == 1 ? 0 : 1]->setText(QString::number(sekunden));
}

void TStatusPanel::Sturmflut(int sekunden) {
    if (sekunden > 0) Lb_Sturmflut->setText(QStringLiteral("Sturmflut in %1 s").arg(sekunden));
    if (sekunden == 0) Lb_Sturmflut->setText(QStringLiteral("Sturmflut!"));
    Lb_Sturmflut->setVisible(sekunden >= 0);
}

void TStatusPanel::PadSymbole(std::array<bool, 2> amPad) {
    // Drawn once a pad is there: most matches are played without one.
    if ((amPad[0] || amPad[1]) && Im_Pad[0]->pixmap().isNull()) {
        // A controller's outline: body, two handles, a cross and two buttons.
        QPixmap bild(48, 48);
        bild.fill(Qt::transparent);
        QPainter m(&bild);
        m.setRenderHint(QPainter::Antialiasing);
        m.setPen(QPen(Qt::black, 2));
        m.setBrush(QColor(90, 90, 100));
        m.drawRoundedRect(4, 14, 40, 20, 9, 9);
        m.drawEllipse(4, 22, 14, 18);
        m.drawEllipse(30, 22, 14, 18);
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::white);
        m.drawRect(10, 21, 3, 9);
        m.drawRect(7, 24, 9, 3);
        m.drawEllipse(31, 20, 4, 4);
        m.drawEllipse(36, 25, 4, 4);
        m.end();
        for (QLabel* l : Im_Pad) l->setPixmap(bild);
    }
    for (std::size_t i = 0; i < 2; ++i) Im_Pad[i]->setVisible(amPad[i]);
}
