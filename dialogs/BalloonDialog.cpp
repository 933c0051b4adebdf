#include "dialogs/BalloonDialog.h"

#include "dialogs/DialogControls.h"
#include "widgets/Background.h"

#include <QShowEvent>

#include <algorithm>

namespace {

constexpr int kFontPixels = 13;

} // namespace

BalloonDialog::BalloonDialog(DialogOwners& owners, QSize clientSize, BalloonTail tail, OwnerLock lock)
    : ProgramDialog(owners, clientSize, lock), shaper_(new BalloonShaper(this))
{
    setBackground(this, kBalloonColour);
    setFont(DialogControls::font(DialogControls::kTimesNewRoman, kFontPixels));

    shaper_->setBalloonPosition(tail);
    shaper_->setBalloonEllipse(BalloonShaper::kDefaultEllipse);
    shaper_->setBalloonIndent(BalloonShaper::kDefaultIndent);
    shaper_->setReshape(true);
}

// Before the show steps, which may give the focus elsewhere.
void BalloonDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        focusInReadingOrder();
    ProgramDialog::showEvent(event);
}

void BalloonDialog::focusInReadingOrder()
{
    QList<QWidget*> controls;
    for (QWidget* child : findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus)
            controls << child;
    const auto place = [this](const QWidget* control) { return control->mapTo(this, QPoint()); };
    std::stable_sort(controls.begin(), controls.end(), [&](const QWidget* a, const QWidget* b) {
        const QPoint pa = place(a), pb = place(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    for (qsizetype index = 1; index < controls.size(); ++index)
        setTabOrder(controls[index - 1], controls[index]);
    const auto first = std::find_if(controls.cbegin(), controls.cend(),
                                     [](const QWidget* control) { return control->isVisible() && control->isEnabled(); });
    if (first != controls.cend())
        (*first)->setFocus(Qt::OtherFocusReason);
}
