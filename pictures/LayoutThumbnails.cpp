#include "pictures/LayoutThumbnails.h"

#include "pictures/PictureCache.h"

#include "setup/core/Games.h"

#include <QPainter>

#include <array>

namespace pictures {

namespace {

const QColor kOlive(128, 128, 0);
const QColor kMagenta(255, 0, 255);

// The 7 x 7 grid of 2-pixel dots on a 3-pixel pitch spans 20 pixels; it is
// centred on a board with a 3-pixel border of its own.
constexpr int kDotSize = 2;
constexpr int kDotPitch = 3;
constexpr int kGridLeft = (kLayoutThumbnailSize - (pelikor::kBoardSide - 1) * kDotPitch - kDotSize) / 2;
constexpr int kBoardMargin = 3;
constexpr qreal kBoardRadius = 5;

QImage paintThumbnail(const pelikor::PositionSet& layout, qreal dpr)
{
    QImage image = transparentCanvas(QSize(kLayoutThumbnailSize, kLayoutThumbnailSize), dpr);
    QPainter painter(&image);

    const int boardSide = kLayoutThumbnailSize - 2 * kGridLeft + 2 * kBoardMargin;
    const QRectF board(kGridLeft - kBoardMargin, kGridLeft - kBoardMargin, boardSide, boardSide);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOlive);
    painter.drawRoundedRect(board, kBoardRadius, kBoardRadius);

    // Whole pixels without smoothing, so every dot keeps sharp edges at
    // any ratio; an empty position lets the window behind show through.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int n = 1; n <= pelikor::kPositionCount; ++n) {
        const QRect dot(kGridLeft + kDotPitch * pelikor::columnOf(n), kGridLeft + kDotPitch * pelikor::rowOf(n),
                        kDotSize, kDotSize);
        painter.fillRect(dot, layout.contains(n) ? kMagenta : QColor(Qt::transparent));
    }
    return image;
}

} // namespace

const QImage& layoutThumbnail(int game, qreal dpr)
{
    const pelikor::PositionSet layout = pelikor::optionalGame(game).layout;
    static std::array<PictureCache, pelikor::kOptionalGameCount> pictures;
    return pictures[game - 1].at(dpr, [layout](qreal ratio) { return paintThumbnail(layout, ratio); });
}

} // namespace pictures
