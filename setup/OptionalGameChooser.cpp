#include "setup/OptionalGameChooser.h"

#include "dialogs/DialogControls.h"
#include "pictures/LayoutThumbnails.h"
#include "widgets/FlatButton.h"

using namespace DialogControls;
using pelikor::kOptionalGameCount;

namespace {

// Four buttons in the upper row, three in the lower, each over its number.
constexpr int kUpperRowGames = 4;
constexpr std::array<int, kOptionalGameCount> kButtonLefts = {7, 55, 103, 151, 32, 80, 128};
constexpr std::array<int, 2> kButtonTops = {40, 104};
constexpr QSize kButtonSize(40, 40);
constexpr std::array<int, 2> kNumberTops = {83, 147};
constexpr QSize kNumberSize(14, 15);
constexpr std::array<int, kOptionalGameCount> kNumberLefts = {19, 68, 116, 164, 44, 93, 141};

PictureList paintLayoutPictures()
{
    PictureList pictures;
    for (int game = 1; game <= kOptionalGameCount; ++game)
        pictures << pictures::layoutThumbnail(game);
    return pictures;
}

} // namespace

OptionalGameChooser::OptionalGameChooser(Services& services)
    : SetupStepDialog(services, kClientSize, "OptionalGameChooser", tr("Dialog pro výběr volitelné hry"),
                      OwnerLock::OnShow),
      layoutPictures_(paintLayoutPictures())
{
    label(this, "titleLabel", tr("Volitelná hra"), QRect(2, 5, 189, 33), Bold | Centred | Wrapped);
    for (int n = 1; n <= kOptionalGameCount; ++n) {
        const int row = n > kUpperRowGames ? 1 : 0;
        pictureButtons_[n] = new PictureButton(this);
        pictureButtons_[n]->setObjectName(QStringLiteral("gameButton%1").arg(n));
        pictureButtons_[n]->setGeometry(QRect(QPoint(kButtonLefts[n - 1], kButtonTops[row]), kButtonSize));
        pictureButtons_[n]->setStatusTip(tr("Spustí volitelnou hru č. %1").arg(n));
        pictureButtons_[n]->setActiveImage(layoutPictures_);
        pictureButtons_[n]->setActiveIndex(n - 1);
        pictureButtons_[n]->setDownImage(layoutPictures_);
        pictureButtons_[n]->setDownIndex(n - 1);
        connect(pictureButtons_[n], &PictureButton::clicked, this, [this, n] { startGame(n); });

        const QByteArray number = "numberLabel" + QByteArray::number(n);
        label(this, number.constData(), QString::number(n),
              QRect(QPoint(kNumberLefts[n - 1], kNumberTops[row]), kNumberSize), Bold | Centred);
    }
    rule(this, "rule", {7, 168}, 186);
    connect(makeBackButton({65, 174}), &FlatButton::clicked, this, &OptionalGameChooser::goBack);
}

// The dialog locks the owners as it shows; the chooser beneath unlocks them.
// No cue: the chooser has played its own.
void OptionalGameChooser::prepareToShow()
{
    placeBesideFigure();
}

void OptionalGameChooser::startGame(int n)
{
    emit startRequested(n);
    closeChain();
}

void OptionalGameChooser::goBack()
{
    returnToChooser();
}

// Enter never starts a game here.
void OptionalGameChooser::handleKey(int key)
{
    if (key == kKeyEscape || key == kKeyEnter)
        goBack();
}
