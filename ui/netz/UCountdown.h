// "3, 2, 1" over the board before a network round's clock runs.
#pragma once

#include <QLabel>
#include <optional>

class TCountdown : public QLabel {
  public:
    // Over the middle of 'brett'.
    explicit TCountdown(QWidget& brett);
    // The seconds left, or none: hidden.
    void Zeigen(std::optional<int> sekunden);
};
