#include "ui/netz/UCountdown.h"

TCountdown::TCountdown(QWidget& brett) : QLabel(&brett) {
    setObjectName(QStringLiteral("Lb_Countdown"));
    setAlignment(Qt::AlignCenter);
    // The board stays playable under it the moment it goes.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(
        QStringLiteral("background-color: rgba(0, 0, 0, 150); color: white; border-radius: 16px;"));
    QFont f = font();
    f.setPixelSize(72);
    f.setBold(true);
    setFont(f);
    hide();
}

void TCountdown::Zeigen(std::optional<int> sekunden) {
    if (!sekunden) return hide();
    setText(QString::number(*sekunden));
    const QWidget& brett = *parentWidget();
    const int seite = std::min({120, brett.width(), brett.height()});
    setGeometry((brett.width() - seite) / 2, (brett.height() - seite) / 2, seite, seite);
    show();
    raise();
}
