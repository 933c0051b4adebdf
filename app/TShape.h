#pragma once

#include "TColor.h"

#include <QWidget>

// A plain figure drawn with a one-pixel pen over a filled inside: a
// rectangle, or a rectangle with rounded corners.
class TShape : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Rectangle, RoundRect };

    TShape(QWidget* parent, Kind kind, TColor pen, TColor brush);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    TColor pen_;
    TColor brush_;
};
