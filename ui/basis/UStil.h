// The application's style, with the few pictures that the main menu and the match window need of
// it at start read as PNG.
#pragma once

#include <QProxyStyle>

// Fusion reads its pictures from PNG files letting Qt guess their format, which loads every image
// plugin and the JPEG library for three small pictures. The same files are read here as PNG; any
// other style answers for itself.
class TStil final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap symbol, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

  private:
    bool IstFusion() const;
    mutable bool rahmenGeladen_ = false;
};
