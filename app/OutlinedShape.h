#pragma once

#include "widgets/ColourNumber.h"

#include <QWidget>

// A plain figure drawn with a one-pixel pen over a filled inside: a
// rectangle, or a rectangle with rounded corners.
class OutlinedShape : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Rectangle, RoundRect };

    OutlinedShape(QWidget* parent, Kind kind, ColourNumber pen, ColourNumber brush);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    ColourNumber pen_;
    ColourNumber brush_;
};
