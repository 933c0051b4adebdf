#include "setup/StandardGameBalloon.h"

#include "dialogs/AccessibleNames.h"
#include "dialogs/DialogControls.h"
#include "widgets/FlatButton.h"
#include "widgets/HemisphereButton.h"
#include "widgets/PositionCursor.h"

#include <QLabel>

using namespace DialogControls;
using pelikor::kPositionCount;

namespace {

// Button n of the miniature board stands at its board column and row.
constexpr int kMiniatureLeft = 42;
constexpr int kMiniatureTop = 65;
constexpr int kColumnPitch = 16;
constexpr int kRowPitch = 15;
constexpr int kMiniaturePeg = 15;

QRect miniatureRect(int n)
{
    return {kMiniatureLeft + kColumnPitch * pelikor::columnOf(n), kMiniatureTop + kRowPitch * pelikor::rowOf(n),
            kMiniaturePeg, kMiniaturePeg};
}

} // namespace

StandardGameBalloon::StandardGameBalloon(Services& services)
    : SetupStepDialog(services, kClientSize, "StandardGameBalloon", tr("Dialog pro výběr standardní hry"),
                      OwnerLock::None)
{
    label(this, "titleLabel", tr("Standardní hra"), QRect(3, 5, 189, 20), Bold | Centred);
    const QLabel* prompt = label(this, "promptLabel", tr("Vyberte kámen, který má být odstraněn"),
                                 QRect(3, 25, 189, 28), Centred | Wrapped);
    for (int n = 1; n <= kPositionCount; ++n) {
        miniaturePegs_[n] = new HemisphereButton(this);
        miniaturePegs_[n]->setObjectName(QStringLiteral("miniaturePeg%1").arg(n));
        miniaturePegs_[n]->setGeometry(miniatureRect(n));
        miniaturePegs_[n]->setFaceColor(kUnmarked);
        connect(miniaturePegs_[n], &HemisphereButton::clicked, this, [this, n] { markPeg(n); });
    }
    QList<QRect> places;
    for (int n = 1; n <= kPositionCount; ++n)
        places << miniatureRect(n);
    // The miniature's buttons touch: the frame lies on the button's edge.
    cursor_ = new PositionCursor(places, {}, this);
    cursor_->setObjectName(QStringLiteral("cursor"));
    cursor_->setAccessibleName(prompt->text());
    cursor_->setDescriber([this](int n) {
        return PositionCursor::Position{AccessibleNames::positionName(n, true), n == marked_, {}};
    });
    connect(cursor_, &PositionCursor::activated, this, &StandardGameBalloon::markPeg);
    rule(this, "rule", {5, 176}, 186);
    connect(button(this, "okButton", tr("Ok"), tr("Spustí standardní hru"), {29, 182}),
            &FlatButton::clicked, this, &StandardGameBalloon::startGame);
    connect(makeBackButton({101, 182}), &FlatButton::clicked, this, &StandardGameBalloon::goBack);
}

// The main window and the figure stay locked by the chooser beneath; the
// pegs are set up behind the board, which is hidden while no game runs.
void StandardGameBalloon::prepareToShow()
{
    emit allPegsRequested();
    markPeg(0);
    cursor_->setPosition(pelikor::kCentre);
    placeBesideFigure();
}

void StandardGameBalloon::markPeg(int position)
{
    marked_ = position;
    for (int n = 1; n <= kPositionCount; ++n)
        miniaturePegs_[n]->setFaceColor(n == marked_ ? kMarked : kUnmarked);
    cursor_->positionsChanged();
}

// Without a mark the pegs stand behind the hidden board again and the
// dialog stays open.
void StandardGameBalloon::startGame()
{
    emit allPegsRequested();
    const int removed = markedPosition();
    if (removed == 0)
        return;
    emit startRequested(removed);
    closeChain();
}

void StandardGameBalloon::goBack()
{
    returnToChooser();
}

void StandardGameBalloon::handleKey(int key)
{
    if (key == kKeyEnter)
        startGame();
    else if (key == kKeyEscape)
        goBack();
}
