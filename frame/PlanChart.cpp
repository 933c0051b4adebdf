#include "frame/PlanChart.h"

#include <QPainter>

PlanChart::PlanChart(QWidget* parent) : QWidget(parent) {}

QRect PlanChart::barRect(int i)
{
    const Bar& bar = kBars[std::size_t(i)];
    return {kFirstBarLeft + kBarPitch * i, kBaseline - bar.height, kBarWidth, bar.height};
}

void PlanChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(kVerticalAxis, Qt::black);
    painter.fillRect(kHorizontalAxis, Qt::black);
    // Each bar a filled rectangle in a black outline, standing on the axis.
    painter.setPen(Qt::black);
    for (int i = 0; i < int(kBars.size()); ++i) {
        painter.setBrush(toQColor(kBars[std::size_t(i)].colour));
        painter.drawRect(barRect(i).adjusted(0, 0, -1, -1));
    }
}
