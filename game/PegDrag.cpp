#include "game/PegDrag.h"

#include "game/BoardPanel.h"
#include "game/core/Jumps.h"
#include "pictures/BoardGeometry.h"
#include "widgets/HemisphereButton.h"

#include <QApplication>
#include <QMouseEvent>

PegDrag::PegDrag(BoardPanel& board, const Pegs& pegs) : QObject(&board), board_(board), pegs_(pegs)
{
    for (int n = 1; n <= pelikor::kPositionCount; ++n)
        pegs_[n]->installEventFilter(this);
}

int PegDrag::positionOf(QObject* peg) const
{
    for (int n = 1; n <= pelikor::kPositionCount; ++n)
        if (pegs_[n] == peg)
            return n;
    return 0;
}

bool PegDrag::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress) {
        // A press beside the peg's ellipse is the board's, not the peg's.
        const int n = positionOf(watched);
        const QPoint local = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton && !lifted_ && pegs_[n]->isOnButton(local)) {
            pressed_ = n;
            pressAt_ = global;
            grab_ = local;
        }
        return false;
    }
    if (!pressed_ || positionOf(watched) != pressed_)
        return false;
    if (type == QEvent::MouseMove) {
        if (!(mouse->buttons() & Qt::LeftButton))
            return false;
        if (!lifted_ && (global - pressAt_).manhattanLength() >= QApplication::startDragDistance())
            lift();
        if (lifted_)
            pegs_[pressed_]->move(board_.mapFromGlobal(global) - grab_);
        return lifted_;
    }
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (!lifted_) {
        pressed_ = 0;
        return false;
    }
    drop(global);
    return true;
}

// Lifted, the peg rides above every control of the board.
void PegDrag::lift()
{
    lifted_ = true;
    HemisphereButton* peg = pegs_[pressed_];
    const QObjectList& siblings = board_.children();
    const qsizetype next = siblings.indexOf(peg) + 1;
    above_ = next < siblings.size() ? qobject_cast<QWidget*>(siblings[next]) : nullptr;
    peg->raise();
}

void PegDrag::drop(QPoint global)
{
    const int source = pressed_;
    putBack();
    // The peg lets its press go away from it, which undoes the press's look
    // and makes no click.
    QMouseEvent away(QEvent::MouseButtonRelease, QPointF(-pictures::kPegSize, -pictures::kPegSize),
                     QPointF(global), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pegs_[source], &away);

    const QPoint at = board_.mapFromGlobal(global);
    for (int target = 1; target <= pelikor::kPositionCount; ++target)
        if (pictures::pegRect(target).contains(at) && isLegal(source, target)) {
            board_.selectPeg(source);
            board_.jumpInto(target);
            return;
        }
}

void PegDrag::putBack()
{
    HemisphereButton* peg = pegs_[pressed_];
    pressed_ = 0;
    lifted_ = false;
    peg->setGeometry(pictures::pegRect(positionOf(peg)));
    if (above_)
        peg->stackUnder(above_);
}

bool PegDrag::isLegal(int source, int target) const
{
    for (const pelikor::Jump& jump : pelikor::jumpsInto(target))
        if (jump.source == source && pelikor::isOpen(jump, board_.board().pegs()))
            return true;
    return false;
}
