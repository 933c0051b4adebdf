#include "game/BoardPanel.h"

#include "dialogs/AccessibleNames.h"
#include "game/HoleShape.h"
#include "game/PegDrag.h"
#include "game/Pegs.h"
#include "pictures/BoardGeometry.h"
#include "pictures/BoardPicture.h"
#include "services/SoundCues.h"
#include "widgets/Background.h"
#include "widgets/Frame3D.h"
#include "widgets/PositionCursor.h"
#include "widgets/ProgramLabel.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>

using pelikor::kPositionCount;

namespace {

constexpr QRect kPlace(3, 29, 396, 392);
constexpr QRect kPicturePlace(1, 1, 394, 390);
// The cursor's frame stands in the gap between the pegs, in dots that show
// on both colours of the board's stripes.
const PositionCursor::FrameLook kCursorLook{2, Qt::white};

} // namespace

BoardPanel::BoardPanel(SoundCues& cues, QWidget* parent) : QWidget(parent), cues_(cues)
{
    setObjectName(QStringLiteral("boardPanel"));
    setGeometry(kPlace);
    setStatusTip(tr("Hrací pole"));
    setBackground(this, kClGray);
    hide();

    // Created in stacking order: holes above the picture, pegs above holes.
    // The picture is placed exactly where the hole shapes expect its holes,
    // not where a label would round its centre.
    auto* picture = new ProgramLabel(this);
    boardPicture_ = picture;
    boardPicture_->setObjectName(QStringLiteral("boardPicture"));
    boardPicture_->setGeometry(kPicturePlace);
    boardPicture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    boardPicture_->setContentsMargins(pictures::kBoardPictureLeft - kPicturePlace.left(),
                                      pictures::kBoardPictureTop - kPicturePlace.top(), 0, 0);
    picture->setPictureSource(pictures::boardPicture);

    for (int n = 1; n <= kPositionCount; ++n) {
        holes_[n] = new HoleShape(this);
        holes_[n]->setObjectName(QStringLiteral("hole%1").arg(n));
        holes_[n]->setGeometry(pictures::holeRect(n));
        holes_[n]->setStatusTip(tr("Volný bod"));
        connect(holes_[n], &HoleShape::mouseDown, this, [this, n] { jumpInto(n); });
    }

    for (int n = 1; n <= kPositionCount; ++n) {
        pegs_[n] = makePeg(this, QStringLiteral("peg%1").arg(n), pictures::pegRect(n), kPegNormal);
        pegs_[n]->setStatusTip(tr("Hrací kámen"));
        connect(pegs_[n], &HemisphereButton::clicked, this, [this, n] { selectPeg(n); });
    }
    new PegDrag(*this, pegs_);

    QList<QRect> places;
    for (int n = 1; n <= kPositionCount; ++n)
        places << pictures::pegRect(n);
    cursor_ = new PositionCursor(places, kCursorLook, this);
    cursor_->setObjectName(QStringLiteral("cursor"));
    cursor_->setEnterActivates(true);
    cursor_->setAccessibleName(statusTip());
    cursor_->setDescriber([this](int n) {
        const bool peg = board_.hasPeg(n);
        return PositionCursor::Position{AccessibleNames::positionName(n, peg), board_.isSelected(n),
                                        peg ? pegs_[n]->statusTip() : holes_[n]->statusTip()};
    });
    connect(cursor_, &PositionCursor::activated, this, &BoardPanel::activatePosition);

    showBoardState();
}

void BoardPanel::layPegs(pelikor::PositionSet occupied)
{
    board_.lay(occupied);
    showBoardState();
    cursor_->setPosition(pelikor::kCentre);
}

void BoardPanel::showAllPegs()
{
    board_.showAllPegs();
    showBoardState();
}

void BoardPanel::refill()
{
    board_.refill();
    showBoardState();
}

void BoardPanel::dropSelection()
{
    board_.dropSelection();
    showBoardState();
}

bool BoardPanel::isBoardControlAt(QPoint point) const
{
    const QWidget* under = childAt(point);
    return under && under != boardPicture_;
}

// The controls show the new state before the cue starts: nothing reaches
// the screen before the handler returns, so the player hears and sees the
// move together, and a cue that fails cannot leave the controls behind the
// board.
void BoardPanel::selectPeg(int n)
{
    const pelikor::MoveCue cue = board_.select(n);
    showBoardState();
    if (cue == pelikor::MoveCue::Select)
        cursor_->announce(AccessibleNames::selectionMade(n));
    playCue(cue);
}

void BoardPanel::jumpInto(int t)
{
    const int from = board_.selected();
    const pelikor::MoveCue cue = board_.jumpInto(t);
    if (cue == pelikor::MoveCue::None) {
        cursor_->announce(AccessibleNames::jumpRefused(t));
        return;
    }
    showMove(cue, AccessibleNames::jumpMade(from, t, board_.remaining()));
}

void BoardPanel::undo()
{
    showMove(board_.undo());
}

void BoardPanel::redo()
{
    showMove(board_.redo());
}

void BoardPanel::showMove(pelikor::MoveCue cue, const QString& spoken)
{
    if (cue == pelikor::MoveCue::None)
        return;
    showBoardState();
    if (!spoken.isEmpty())
        cursor_->announce(spoken);
    playCue(cue);
}

void BoardPanel::announce(const QString& news)
{
    const QString count = tr("Zbylé kameny: %1").arg(shownRemaining_);
    const QString description = news.isEmpty() ? count : count + QStringLiteral(". ") + news;
    if (cursor_->accessibleDescription() == description)
        return;
    cursor_->setAccessibleDescription(description);
    QAccessibleEvent changed(cursor_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    // A screen reader keeps a changed description until it is asked for
    // it; the news itself is read out as a notification.
    if (!news.isEmpty())
        cursor_->announce(news);
}

// A peg stands above its hole, so a click on an occupied position is the
// peg's and one on an empty position the hole's.
void BoardPanel::activatePosition(int n)
{
    if (board_.hasPeg(n))
        selectPeg(n);
    else
        jumpInto(n);
}

pelikor::Outcome BoardPanel::monitorTick()
{
    return pelikor::monitorTick(board_, !isHidden());
}

void BoardPanel::playCue(pelikor::MoveCue cue)
{
    switch (cue) {
    case pelikor::MoveCue::Select:
        cues_.play(pelikor::SoundCue::PegSelected);
        break;
    case pelikor::MoveCue::Jump:
        cues_.play(pelikor::SoundCue::PegJumped);
        break;
    case pelikor::MoveCue::None:
        break;
    }
}

void BoardPanel::showBoardState()
{
    for (int n = 1; n <= kPositionCount; ++n) {
        pegs_[n]->setFaceColor(board_.isSelected(n) ? kPegSelected : kPegNormal);
        pegs_[n]->setVisible(board_.hasPeg(n));
    }
    cursor_->positionsChanged();
    const bool counted = board_.remaining() != shownRemaining_;
    shownRemaining_ = board_.remaining();
    // Whatever was announced with the count is over once the board changes.
    announce();
    if (counted)
        emit remainingChanged(shownRemaining_);
    emit boardChanged();
}

// A shown board takes the keys; its window gives them to it once enabled.
void BoardPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    cursor_->setFocus(Qt::OtherFocusReason);
}

// A lowered bevel: the shadow at the top and left, the highlight at the
// bottom and right.
void BoardPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame3D(painter, rect(), kClBtnShadow, kClBtnHighlight, 1);
}
