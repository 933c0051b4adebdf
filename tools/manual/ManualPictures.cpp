#include "tools/manual/ManualPictures.h"

#include "game/Pegs.h"
#include "pictures/BoardGeometry.h"
#include "pictures/BoardPicture.h"
#include "pictures/PictureCache.h"
#include "widgets/Frame3D.h"
#include "widgets/HemisphereImages.h"

#include <QFont>
#include <QPainter>

namespace manual {

pelikor::PositionSet pictureLayout(const pelikor::Game& game)
{
    if (game.optionalNumber == 0)
        return pelikor::standardLayout().occupied;
    return game.layout;
}

std::string pictureFileName(const pelikor::Game& game)
{
    if (game.optionalNumber == 0)
        return "standardni.png";
    return "volitelna" + std::to_string(game.optionalNumber) + ".png";
}

QImage layoutPicture(pelikor::PositionSet pegs)
{
    QImage image = pictures::filledCanvas(kPictureSize, kPictureRatio, toQColor(kClGray));
    QPainter painter(&image);
    drawFrame3D(painter, QRect(QPoint(0, 0), kPictureSize), kClBtnShadow, kClBtnHighlight, 1);
    const QPoint boardCorner(pictures::kBoardPictureLeft, pictures::kBoardPictureTop);
    painter.drawImage(boardCorner, pictures::boardPicture(kPictureRatio));

    // Every hole shape first, then the pegs over them, as the panel stacks
    // its controls: a peg hides its hole wholly.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    for (int n = 1; n <= pelikor::kPositionCount; ++n)
        painter.drawEllipse(QRectF(pictures::holeRect(n)).adjusted(0.5, 0.5, -0.5, -0.5));

    HemisphereLook look;
    look.faceColor = kPegNormal;
    const QSize pegSize(pictures::kPegSize, pictures::kPegSize);
    const QImage peg = HemisphereImages::render(look, pegSize, QFont(), Qt::black, kPictureRatio).upPaint;
    for (int n = 1; n <= pelikor::kPositionCount; ++n)
        if (pegs.contains(n))
            painter.drawImage(pictures::pegRect(n).topLeft(), peg);
    return image;
}

} // namespace manual
