#pragma once

#include "widgets/ColourNumber.h"
#include "widgets/GradientFill.h"

#include <QStringList>
#include <QWidget>

enum class TJustification { jLeft, jCenter, jRight };

// Text whose letters are filled with a colour gradient; around the letters
// the parent shows through. The control sizes itself to its text.
class TGradText : public QWidget {
    Q_OBJECT

public:
    explicit TGradText(QWidget* parent = nullptr);

    ColourNumber beginColor() const { return beginColor_; }
    void setBeginColor(ColourNumber colour);
    ColourNumber endColor() const { return endColor_; }
    void setEndColor(ColourNumber colour);
    TGradientStyle gradientStyle() const { return style_; }
    void setGradientStyle(TGradientStyle style);
    QStringList lines() const { return lines_; }
    // An empty list is ignored.
    void setLines(const QStringList& lines);
    TJustification justification() const { return justification_; }
    void setJustification(TJustification justification);

    // The size the text needs in the control's font at its current width,
    // which the control takes at its next paint.
    QSize measuredSize() const;
    // The letters filled with the gradient on a see-through ground, at the
    // measured size times a device pixel ratio (by default the ratio of the
    // control's screen), carrying the ratio.
    QImage renderText() const;
    QImage renderText(qreal dpr) const;

    QSize sizeHint() const override { return measuredSize(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Drops the picture painted last and paints anew.
    void lookChanged();
    int textFlags() const;

    ColourNumber beginColor_ = 0x00FFFF;
    ColourNumber endColor_ = 0x0000FF;
    TGradientStyle style_ = TGradientStyle::gsVertical;
    QStringList lines_{QStringLiteral("GradText")};
    TJustification justification_ = TJustification::jCenter;
    QImage shown_; // the letters as painted last, at the ratio they were painted for
};
