#pragma once

#include "widgets/ColourNumber.h"

#include <QRect>
#include <QWidget>

#include <array>

// The boss screen's bar chart: two axes and ten bars, plain rectangles.
class PlanChart : public QWidget {
    Q_OBJECT

public:
    struct Bar {
        int height;
        ColourNumber colour;
    };
    static constexpr QRect kVerticalAxis{24, 16, 3, 169};
    static constexpr QRect kHorizontalAxis{24, 184, 321, 3};
    static constexpr int kBaseline = 185;
    static constexpr int kFirstBarLeft = 26;
    static constexpr int kBarPitch = 32;
    static constexpr int kBarWidth = 31;
    static constexpr std::array<Bar, 10> kBars = {{
        {153, 0x00FFFF}, // yellow
        {105, 0x0000FF}, // red
        {177, 0xFFFF00}, // aqua
        {161, 0xFF0000}, // blue
        {145, 0x00FF00}, // lime
        {41, 0x008000},  // green
        {17, 4227200},
        {9, 16512},
        {89, 0x808080}, // gray
        {33, 0x000000}, // black
    }};

    explicit PlanChart(QWidget* parent);

    // Where bar i (0..9) stands.
    static QRect barRect(int i);

protected:
    void paintEvent(QPaintEvent* event) override;
};
