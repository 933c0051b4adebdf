#include "frame/StatusBar.h"

#include "widgets/Frame3D.h"

#include <QPainter>

namespace {

constexpr int kPanelGap = 2;
constexpr int kTextIndent = 3;

} // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("statusBar"));
}

QRect StatusBar::panelRect(int panel) const
{
    if (panel == 0)
        return {0, kPanelGap, kPanel0Width, kHeight - kPanelGap};
    const int left = kPanel0Width + kPanelGap;
    return {left, kPanelGap, width() - left, kHeight - kPanelGap};
}

void StatusBar::setPanelText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update(panelRect(0));
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int panel : {0, 1})
        drawFrame3D(painter, panelRect(panel), kClBtnShadow, kClBtnHighlight, 1);
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    painter.drawText(panelRect(0).adjusted(kTextIndent, 1, -1, -1), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     text_);
}
