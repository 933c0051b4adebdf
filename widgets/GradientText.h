#pragma once

#include "widgets/ColourNumber.h"
#include "widgets/GradientFill.h"
#include "widgets/GradientLetters.h"

#include <QStringList>
#include <QWidget>

#include <optional>

// Text whose letters are filled with a colour gradient; around the letters
// the parent shows through. The control sizes itself to its text.
class GradientText : public QWidget {
    Q_OBJECT

public:
    explicit GradientText(QWidget* parent = nullptr);

    ColourNumber beginColor() const { return beginColor_; }
    void setBeginColor(ColourNumber colour);
    ColourNumber endColor() const { return endColor_; }
    void setEndColor(ColourNumber colour);
    GradientStyle gradientStyle() const { return style_; }
    void setGradientStyle(GradientStyle style);
    QStringList lines() const { return lines_; }
    // An empty list is ignored.
    void setLines(const QStringList& lines);
    Justification justification() const { return justification_; }
    void setJustification(Justification justification);

    // The size the text needs in the control's font at its current width,
    // which the control takes at its next paint.
    QSize measuredSize() const;
    // What the letters are made from: the look, the font and the width.
    GradientLetters letters() const;
    // Takes the letters' picture made beforehand from letters() at this
    // width, and the size it measured, in place of making them again; a
    // change of the look, the font or the width drops them.
    void adoptPicture(QSize measured, const QImage& picture);
    // The letters filled with the gradient on a see-through ground, at the
    // measured size times a device pixel ratio (by default the ratio of the
    // control's screen), carrying the ratio.
    QImage renderText() const;
    QImage renderText(qreal dpr) const;

    QSize sizeHint() const override { return measuredSize(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Drops the picture painted last and paints anew.
    void lookChanged();

    ColourNumber beginColor_ = 0x00FFFF;
    ColourNumber endColor_ = 0x0000FF;
    GradientStyle style_ = GradientStyle::Vertical;
    QStringList lines_{QStringLiteral("GradText")};
    Justification justification_ = Justification::Centre;
    // The letters as painted last, at the ratio and width they were painted for.
    QImage shown_;
    int shownWidth_ = 0;
    // The size the text needs, and the width it was measured at.
    struct Measure {
        int width;
        QSize size;
    };
    mutable std::optional<Measure> measured_;
};
