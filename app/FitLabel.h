#pragma once
// A label for texts of any length in a fixed place: a text wider than the label is drawn in a
// smaller font, just small enough to fit (never below MinPixels), instead of being cut off.
#include "app/ValueLabel.h"

class FitLabel : public ValueLabel {
    Q_OBJECT
  public:
    using ValueLabel::ValueLabel;
    static constexpr int MinPixels = 10;

    // The pixel size the text is drawn in.
    int shownPixelSize() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
