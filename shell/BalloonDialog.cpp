#include "BalloonDialog.h"

#include "Background.h"

#include <QFont>

namespace {

const QString kFontFamily = QStringLiteral("Times New Roman");
constexpr int kFontPixels = 13;

} // namespace

BalloonDialog::BalloonDialog(DialogOwners& owners, QSize clientSize, TBalloonPosition tail, OwnerLock lock)
    : ProgramDialog(owners, clientSize, lock), FormShape_(new tformshape(this))
{
    setBackground(this, kBalloonColour);
    QFont captions(kFontFamily);
    captions.setPixelSize(kFontPixels);
    setFont(captions);

    FormShape_->setBalloonPosition(tail);
    FormShape_->setBalloonEllips(tformshape::kDefaultEllipse);
    FormShape_->setBalloonIndent(tformshape::kDefaultIndent);
    FormShape_->setReshape(true);
}
