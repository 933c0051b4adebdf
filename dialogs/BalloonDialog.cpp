#include "dialogs/BalloonDialog.h"

#include "dialogs/DialogControls.h"
#include "widgets/Background.h"

namespace {

constexpr int kFontPixels = 13;

} // namespace

BalloonDialog::BalloonDialog(DialogOwners& owners, QSize clientSize, TBalloonPosition tail, OwnerLock lock)
    : ProgramDialog(owners, clientSize, lock), FormShape_(new tformshape(this))
{
    setBackground(this, kBalloonColour);
    setFont(DialogControls::font(DialogControls::kTimesNewRoman, kFontPixels));

    FormShape_->setBalloonPosition(tail);
    FormShape_->setBalloonEllips(tformshape::kDefaultEllipse);
    FormShape_->setBalloonIndent(tformshape::kDefaultIndent);
    FormShape_->setReshape(true);
}
