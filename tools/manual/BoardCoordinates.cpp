#include "tools/manual/BoardCoordinates.h"

#include "pictures/BoardGeometry.h"
#include "pictures/PictureCache.h"
#include "setup/core/Games.h"

#include <QFont>
#include <QPainter>

namespace manual {

namespace {

// The headings' dark blue of the manual's pages.
const QColor kNumberColour(0x00, 0x00, 0x7f);
constexpr int kNumberPixels = 15;

} // namespace

std::vector<CoordinateLabel> coordinateLabels()
{
    // Position n's peg lies at its row's and its column's place on the
    // panel; the first position of each row and of each column gives it.
    std::vector<CoordinateLabel> labels;
    for (int line = 0; line < pelikor::kBoardSide; ++line) {
        const QString number = QString::number(line + 1);
        const QRect peg = pictures::pegRect(pelikor::positionAt(line, pelikor::kBoardSide / 2));
        const QRect pegInColumn = pictures::pegRect(pelikor::positionAt(pelikor::kBoardSide / 2, line));
        labels.push_back({number, QRect(0, kCoordinateMargin + peg.top(), kCoordinateMargin, peg.height())});
        labels.push_back(
            {number, QRect(kCoordinateMargin + pegInColumn.left(), 0, pegInColumn.width(), kCoordinateMargin)});
    }
    return labels;
}

QImage coordinatePicture()
{
    QImage image = pictures::transparentCanvas(kCoordinatePictureSize, kPictureRatio);
    QPainter painter(&image);
    painter.drawImage(QPoint(kCoordinateMargin, kCoordinateMargin),
                      layoutPicture(pictureLayout(pelikor::standardGame())));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kNumberPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kNumberColour);
    for (const CoordinateLabel& label : coordinateLabels())
        painter.drawText(label.place, Qt::AlignCenter, label.text);
    return image;
}

} // namespace manual
