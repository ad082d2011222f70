#pragma once
// A label whose plain, one-line text changes with the traffic (positions, states, names). It
// looks as a QLabel does but draws its text from the cache of laid-out texts, since the panels
// repaint such labels many times a second.
#include <QLabel>

class ValueLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Where the text goes: the contents less the margin and, beside the aligned edge, the indent.
    QRect textRect() const;
};
