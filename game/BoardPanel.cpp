#include "game/BoardPanel.h"

#include "dialogs/AccessibleNames.h"
#include "game/HoleShape.h"
#include "game/Pegs.h"
#include "pictures/BoardGeometry.h"
#include "pictures/BoardPicture.h"
#include "services/SoundCues.h"
#include "widgets/Background.h"
#include "widgets/Frame3D.h"
#include "widgets/PositionCursor.h"
#include "widgets/ProgramLabel.h"

#include <QLabel>
#include <QPainter>

using pelikor::kPositionCount;

namespace {

constexpr QRect kPlochaPlace(3, 29, 396, 392);
constexpr QRect kKontrolaPlace(136, 1, 39, 13);
constexpr QRect kImage3Place(1, 1, 394, 390);
constexpr QRect kPomocnaPlace(8, 264, 121, 113);
constexpr ColourNumber kTwinFace = kClGray;
// The cursor's frame stands in the gap between the pegs, in dots that show
// on both colours of the board's stripes.
const PositionCursor::FrameLook kCursorLook{2, Qt::white};

} // namespace

BoardPanel::BoardPanel(SoundCues& cues, QWidget* parent) : QWidget(parent), cues_(cues)
{
    setObjectName(QStringLiteral("Plocha"));
    setGeometry(kPlochaPlace);
    setStatusTip(QStringLiteral("Hrací pole"));
    setBackground(this, kClGray);
    hide();

    // Created in stacking order: holes above the picture, pegs above holes.
    Kontrola = new ProgramLabel(QStringLiteral("Kontrola"), this);
    Kontrola->setObjectName(QStringLiteral("Kontrola"));
    Kontrola->setGeometry(kKontrolaPlace);
    Kontrola->hide();

    // The picture is placed exactly where the hole shapes expect its holes,
    // not where a label would round its centre.
    auto* picture = new ProgramLabel(this);
    Image3 = picture;
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(kImage3Place);
    Image3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image3->setContentsMargins(pictures::kBoardPictureLeft - kImage3Place.left(),
                               pictures::kBoardPictureTop - kImage3Place.top(), 0, 0);
    picture->setPictureSource(pictures::boardPicture);

    for (int n = 1; n <= kPositionCount; ++n) {
        B[n] = new HoleShape(this);
        B[n]->setObjectName(QStringLiteral("B%1").arg(n));
        B[n]->setGeometry(pictures::holeRect(n));
        B[n]->setStatusTip(QStringLiteral("Volný bod"));
        connect(B[n], &HoleShape::mouseDown, this, [this, n] { BMouseDown(n); });
    }

    for (int n = 1; n <= kPositionCount; ++n) {
        K[n] = makePeg(this, QStringLiteral("K%1").arg(n), pictures::pegRect(n), kPegNormal);
        K[n]->setStatusTip(QStringLiteral("Hrací kámen"));
        connect(K[n], &HemisphereButton::clicked, this, [this, n] { KClick(n); });
    }

    Pomocna = new QWidget(this);
    Pomocna->setObjectName(QStringLiteral("Pomocna"));
    Pomocna->setGeometry(kPomocnaPlace);
    for (int n = 1; n <= kPositionCount; ++n)
        L[n] = makePeg(Pomocna, QStringLiteral("L%1").arg(n), pictures::twinRect(n), kTwinFace);
    // The twins are the monitor's copy of the board, never the player's.
    Pomocna->hide();

    QList<QRect> places;
    for (int n = 1; n <= kPositionCount; ++n)
        places << pictures::pegRect(n);
    Kurzor = new PositionCursor(places, kCursorLook, this);
    Kurzor->setObjectName(QStringLiteral("Kurzor"));
    Kurzor->setEnterActivates(true);
    Kurzor->setAccessibleName(statusTip());
    Kurzor->setDescriber([this](int n) {
        const bool peg = board_.hasPeg(n);
        return PositionCursor::Position{AccessibleNames::positionName(n, peg), board_.isSelected(n),
                                        peg ? K[n]->statusTip() : B[n]->statusTip()};
    });
    connect(Kurzor, &PositionCursor::activated, this, &BoardPanel::activatePosition);

    showBoardState();
}

void BoardPanel::layPegs(pelikor::PositionSet occupied)
{
    board_.lay(occupied);
    showBoardState();
    Kurzor->setPosition(pelikor::kCentre);
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

void BoardPanel::showGameCode(const QString& code)
{
    Kontrola->setText(code);
}

bool BoardPanel::isBoardControlAt(QPoint point) const
{
    const QWidget* under = childAt(point);
    return under && under != Image3 && under != Kontrola;
}

// The controls show the new state before the cue starts: nothing reaches
// the screen before the handler returns, so the player hears and sees the
// move together, and a cue that fails cannot leave the controls behind the
// board.
void BoardPanel::KClick(int n)
{
    const pelikor::MoveCue cue = board_.select(n);
    showBoardState();
    playCue(cue);
}

void BoardPanel::BMouseDown(int t)
{
    const pelikor::MoveCue cue = board_.jumpInto(t);
    if (cue == pelikor::MoveCue::None)
        return;
    showBoardState();
    playCue(cue);
}

// A peg stands above its hole, so a click on an occupied position is the
// peg's and one on an empty position the hole's.
void BoardPanel::activatePosition(int n)
{
    if (board_.hasPeg(n))
        KClick(n);
    else
        BMouseDown(n);
}

pelikor::Outcome BoardPanel::monitorTick()
{
    const pelikor::PositionSet twinsBefore = board_.twins();
    const pelikor::Outcome outcome = pelikor::monitorTick(board_, !isHidden());
    if (board_.twins() != twinsBefore)
        for (int n = 1; n <= kPositionCount; ++n)
            L[n]->setVisible(board_.hasTwin(n));
    return outcome;
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
        K[n]->setFaceColor(board_.isSelected(n) ? kPegSelected : kPegNormal);
        K[n]->setVisible(board_.hasPeg(n));
        L[n]->setVisible(board_.hasTwin(n));
    }
    Kurzor->positionsChanged();
    if (board_.remaining() != shownRemaining_) {
        shownRemaining_ = board_.remaining();
        Kurzor->setAccessibleDescription(QStringLiteral("Zbylé kameny: %1").arg(shownRemaining_));
        emit remainingChanged(shownRemaining_);
    }
    emit boardChanged();
}

// A shown board takes the keys; its window gives them to it once enabled.
void BoardPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Kurzor->setFocus(Qt::OtherFocusReason);
}

// A lowered bevel: the shadow at the top and left, the highlight at the
// bottom and right.
void BoardPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame3D(painter, rect(), kClBtnShadow, kClBtnHighlight, 1);
}
