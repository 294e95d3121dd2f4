// The one-column preview of the pictures a kind can take, 40 x 40 px rows; the selected row is the
// picture number that is painted.
#pragma once

#include <QAbstractScrollArea>
#include <functional>

class TAuswahlGitter : public QAbstractScrollArea {
    Q_OBJECT
  public:
    static constexpr int kZelle = 40;
    static constexpr int kBreiteEinzeln = 45;
    static constexpr int kBreiteMitLeiste = 62;

    explicit TAuswahlGitter(QWidget* parent = nullptr);

    // Draws row i into the rectangle.
    std::function<void(QPainter&, const QRect&, int)> ZeileZeichnen;

    // More than one row brings the scroll bar and the wider width; the selection stays when it
    // still exists, else it goes to row 0.
    void SetzeZeilen(int n);
    int Zeilen() const { return zeilen_; }
    int Zeile() const { return zeile_; }
    void WaehleZeile(int i);
    QRect ZeilenRechteck(int i) const;  // in viewport coordinates

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int, int) override { viewport()->update(); }

  private:
    void LeisteEinrichten();

    int zeilen_ = 1;
    int zeile_ = 0;
};
