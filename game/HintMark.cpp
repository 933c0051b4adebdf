#include "game/HintMark.h"

#include "pictures/BoardGeometry.h"

#include <QPainter>

namespace {

// A green far from the pegs' pinks and the cursor's white dots, edged dark
// so that it shows on both stripes of the board.
const QColor kRingColour(0, 200, 0);
const QColor kRingEdge(0, 60, 0);
constexpr int kRingWidth = 4;
constexpr int kEdgeWidth = 6;
// The ring stands just outside a peg, in the gap between the pegs.
constexpr int kRingMargin = 1;

} // namespace

HintMark::HintMark(QWidget* board) : QWidget(board)
{
    setObjectName(QStringLiteral("hintMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(board->rect());
    hide();
}

void HintMark::mark(int source, int target, const QString& hint)
{
    source_ = source;
    target_ = target;
    setAccessibleName(hint);
    show();
    update();
}

void HintMark::clear()
{
    source_ = target_ = 0;
    hide();
}

void HintMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const int n : {source_, target_}) {
        const QRectF ring = QRectF(pictures::pegRect(n)).adjusted(-kRingMargin, -kRingMargin, kRingMargin, kRingMargin);
        painter.setPen(QPen(kRingEdge, kEdgeWidth));
        painter.drawEllipse(ring);
        painter.setPen(QPen(kRingColour, kRingWidth));
        painter.drawEllipse(ring);
    }
}
