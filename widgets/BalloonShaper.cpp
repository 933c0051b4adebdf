#include "widgets/BalloonShaper.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

#include <stdexcept>

namespace {

const char* const kNotAFormError = "Control parent must be a form!";

QWidget* requireForm(QWidget* owner)
{
    if (!owner || !owner->isWindow())
        throw std::invalid_argument(kNotAFormError);
    return owner;
}

} // namespace

BalloonShaper::BalloonShaper(QWidget* owner) : QObject(requireForm(owner)), form_(owner)
{
    form_->installEventFilter(this);
}

void BalloonShaper::setReshape(bool reshape)
{
    reshape_ = reshape;
    // Made frameless before the form is shown, so showing does not have to
    // re-create its window.
    if (reshape_)
        makeFrameless();
}

void BalloonShaper::makeFrameless()
{
    if (form_->windowFlags() & Qt::FramelessWindowHint)
        return;
    const bool visible = form_->isVisible();
    form_->setWindowFlags(form_->windowFlags() | Qt::FramelessWindowHint);
    if (visible)
        form_->show();
}

void BalloonShaper::setBalloonPosition(BalloonTail position)
{
    position_ = position;
    if (applied_)
        applyShape();
}

void BalloonShaper::setBalloonEllipse(int ellipse)
{
    if (ellipse <= 0)
        return;
    ellipse_ = ellipse;
    if (applied_)
        applyShape();
}

void BalloonShaper::setBalloonIndent(int indent)
{
    if (indent <= 0)
        return;
    indent_ = indent;
    if (applied_)
        applyShape();
}

BalloonShape BalloonShaper::shape() const
{
    return BalloonShape(position_, form_->width(), form_->height(), ellipse_, indent_);
}

void BalloonShaper::applyShape()
{
    applied_ = true;
    makeFrameless();
    const QRegion region = shape().region();
    outline_ = BalloonShape::outline(region);
    form_->setMask(region);
    form_->update();
}

bool BalloonShaper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != form_)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (reshape_ && !applied_)
            applyShape();
        break;
    case QEvent::Resize:
        // A dialog laid out after loading keeps its balloon fitted.
        if (applied_)
            applyShape();
        break;
    case QEvent::Paint:
        if (applied_)
            paintOutline();
        break;
    default:
        break;
    }
    return false;
}

void BalloonShaper::paintOutline()
{
    QPainter painter(form_);
    painter.setClipRegion(outline_);
    painter.fillRect(outline_.boundingRect(), Qt::black);
}
