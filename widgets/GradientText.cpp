#include "widgets/GradientText.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr QSize kNewSize(75, 25);
const char* const kNewFontFamily = "Times New Roman";
constexpr int kNewFontPoints = 18;

} // namespace

GradientText::GradientText(QWidget* parent) : QWidget(parent)
{
    resize(kNewSize);
    QFont newFont(kNewFontFamily, kNewFontPoints);
    newFont.setBold(true);
    newFont.setItalic(true);
    setFont(newFont);
}

void GradientText::setBeginColor(ColourNumber colour)
{
    beginColor_ = colour;
    lookChanged();
}

void GradientText::setEndColor(ColourNumber colour)
{
    endColor_ = colour;
    lookChanged();
}

void GradientText::setGradientStyle(GradientStyle style)
{
    style_ = style;
    lookChanged();
}

void GradientText::setLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    lines_ = lines;
    lookChanged();
}

void GradientText::setJustification(Justification justification)
{
    justification_ = justification;
    lookChanged();
}

void GradientText::lookChanged()
{
    shown_ = QImage();
    measured_.reset();
    update();
}

void GradientText::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        lookChanged();
    QWidget::changeEvent(event);
}

GradientLetters GradientText::letters() const
{
    return {lines_, font(), beginColor_, endColor_, style_, justification_, width()};
}

// The width wraps the lines: the measure and the picture hold for the
// width they were made at.
QSize GradientText::measuredSize() const
{
    if (!measured_ || measured_->width != width())
        measured_ = Measure{width(), letters().measuredSize()};
    return measured_->size;
}

void GradientText::adoptPicture(QSize measured, const QImage& picture)
{
    measured_ = Measure{width(), measured};
    shown_ = picture;
    shownWidth_ = width();
}

QImage GradientText::renderText() const
{
    return renderText(devicePixelRatioF());
}

QImage GradientText::renderText(qreal dpr) const
{
    return letters().render(measuredSize(), dpr);
}

void GradientText::paintEvent(QPaintEvent*)
{
    const QSize size = measuredSize();
    if (size != this->size()) {
        resize(size);
        update();
        return;
    }
    // Rendered once for each look: large letters on a fine screen are
    // drawn as outlines, not from the glyph cache, and cost a millisecond.
    const qreal dpr = devicePixelRatioF();
    if (shown_.isNull() || shown_.devicePixelRatio() != dpr || shownWidth_ != width()) {
        shown_ = renderText(dpr);
        shownWidth_ = width();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, shown_);
}
