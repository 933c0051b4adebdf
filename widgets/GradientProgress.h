#pragma once

#include "widgets/ColourNumber.h"
#include "widgets/GradientFill.h"

#include <QWidget>

enum class BevelStyle { Lowered, Raised, None };

// A progress meter whose filled part holds the whole gradient from the
// start colour to the end colour, squeezed to the filled length.
class GradientProgress : public QWidget {
    Q_OBJECT

public:
    explicit GradientProgress(QWidget* parent = nullptr);

    // Only Horizontal and Vertical (filling from the bottom) are meters.
    GradientStyle style() const { return style_; }
    void setStyle(GradientStyle style);
    BevelStyle bevelStyle() const { return bevelStyle_; }
    void setBevelStyle(BevelStyle style);
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int width);
    ColourNumber startColor() const { return startColor_; }
    void setStartColor(ColourNumber colour);
    ColourNumber endColor() const { return endColor_; }
    void setEndColor(ColourNumber colour);
    ColourNumber backColor() const { return backColor_; }
    void setBackColor(ColourNumber colour);
    ColourNumber fontColor() const { return fontColor_; }
    void setFontColor(ColourNumber colour);
    int position() const { return position_; }
    // Ignored when negative or unchanged; clamped to the maximum; repaints at once.
    void setPosition(int position);
    int maxValue() const { return maxValue_; }
    // Values below 1 are ignored; lowers the position if it is above.
    void setMaxValue(int maxValue);
    int step() const { return step_; }
    void setStep(int step);
    // Moves the position on by one step.
    void stepIt();
    bool showPercent() const { return showPercent_; }
    void setShowPercent(bool show);

    // The meter's drawable area inside its bevel or margin.
    QRect meterRect() const;
    // The filled length along the meter.
    int filledLength() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawBevel(QPainter& painter) const;

    GradientStyle style_ = GradientStyle::Horizontal;
    BevelStyle bevelStyle_ = BevelStyle::Lowered;
    int bevelWidth_ = 1;
    ColourNumber startColor_ = 0xFFFFFF;
    ColourNumber endColor_ = 0x0000FF;
    ColourNumber backColor_ = 0x000000;
    ColourNumber fontColor_ = 0xFFFFFF;
    int position_ = 0;
    int maxValue_ = 100;
    int step_ = 10;
    bool showPercent_ = true;
};
