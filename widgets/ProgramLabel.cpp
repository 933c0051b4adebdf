#include "widgets/ProgramLabel.h"

#include "widgets/ProgramStyle.h"

#include <QPainter>
#include <QStyle>

void ProgramLabel::setPictureSource(PictureSource source)
{
    source_ = std::move(source);
    update();
}

void ProgramLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    if (source_) {
        const QImage picture = source_(devicePixelRatioF());
        const QRect place = hasScaledContents()
            ? area
            : QStyle::alignedRect(layoutDirection(), alignment(), picture.deviceIndependentSize().toSize(), area);
        painter.drawImage(place, picture);
        return;
    }
    const QPixmap picture = pixmap();
    if (!picture.isNull()) {
        if (hasScaledContents())
            painter.drawPixmap(area, picture);
        else
            style()->drawItemPixmap(&painter, area, int(alignment()), picture);
        return;
    }
    const QPalette::ColorGroup group = ProgramStyle::looksEnabled(this) ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, foregroundRole()));
    painter.drawText(area, int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0), text());
}
