#include "tools/manual/ToolbarPicture.h"

#include "pictures/CommandIcons.h"
#include "pictures/PictureCache.h"
#include "widgets/ColourNumber.h"
#include "widgets/Frame3D.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>

namespace manual {

namespace {

constexpr int kBarHeight = 28;
constexpr int kButtonSide = 24;
constexpr int kSeparatorWidth = 8;
constexpr int kBarMargin = 3;
// The buttons before which the toolbar has a separator; the last one
// stands alone at the right end.
constexpr int kFirstOfSecondGroup = 2;
constexpr int kFirstOfThirdGroup = 3;
// Each name a line lower than the one of the button right of it, so that
// no leader crosses a name.
constexpr int kFirstNameTop = 38;
constexpr int kNameLineHeight = 19;
constexpr int kNamePixels = 13;
constexpr int kLeaderGap = 4;
const QColor kInk(0x1a, 0x1a, 0x1a);

QRect buttonPlace(int index)
{
    const int count = int(toolbarButtons().size());
    if (index == count - 1)
        return {kToolbarPictureSize.width() - kBarMargin - kButtonSide, (kBarHeight - kButtonSide) / 2, kButtonSide,
                kButtonSide};
    const int separators = (index >= kFirstOfSecondGroup) + (index >= kFirstOfThirdGroup);
    return {kBarMargin + index * kButtonSide + separators * kSeparatorWidth, (kBarHeight - kButtonSide) / 2,
            kButtonSide, kButtonSide};
}

void drawSeparator(QPainter& painter, int beforeButton)
{
    const int x = buttonPlace(beforeButton).left() - kSeparatorWidth / 2 - 1;
    drawFrame3D(painter, QRect(x, 3, 2, kBarHeight - 6), kClBtnShadow, kClBtnHighlight, 1);
}

// The name under its button, joined to it by a leader; the last button's
// name ends at its leader, the others' begin there.
void drawName(QPainter& painter, int index)
{
    const int count = int(toolbarButtons().size());
    const int line = index == count - 1 ? 0 : count - 2 - index;
    const int baselineTop = kFirstNameTop + line * kNameLineHeight;
    const QRect icon = toolbarIconPlace(index);
    const int x = icon.center().x();
    painter.drawLine(x, icon.bottom() + kLeaderGap, x, baselineTop + kNameLineHeight / 2);
    const QRect room = index == count - 1 ? QRect(0, baselineTop, x - kLeaderGap, kNameLineHeight)
                                          : QRect(x + kLeaderGap, baselineTop, kToolbarPictureSize.width(), kNameLineHeight);
    const Qt::Alignment side = index == count - 1 ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(room, side | Qt::AlignVCenter, toolbarButtons()[std::size_t(index)].command);
}

} // namespace

std::vector<ToolbarButton> toolbarButtons()
{
    // The menu's own captions, in the language of the translation the
    // application holds, without their accelerators.
    const auto command = [](const char* caption) {
        return QCoreApplication::translate("MainWindow", caption).remove(QLatin1Char('&'));
    };
    return {
        {pictures::kNewGameIcon, command("&Nová hra...")},
        {pictures::kEndGameIcon, command("&Ukončit hru")},
        {pictures::kBestTableIcon, command("&Zobrazit tabulku nejlepších...")},
        {pictures::kBossKeyIcon, command("Šéfovská &pojistka")},
        {pictures::kManualIcon, command("&Elektronický manuál")},
    };
}

QRect toolbarIconPlace(int index)
{
    const QRect button = buttonPlace(index);
    const int inset = (kButtonSide - pictures::kCommandIconSize) / 2;
    return {button.left() + inset, button.top() + inset, pictures::kCommandIconSize, pictures::kCommandIconSize};
}

QImage toolbarPicture()
{
    QImage image = pictures::transparentCanvas(kToolbarPictureSize, kToolbarPictureRatio);
    QPainter painter(&image);
    const QRect bar(0, 0, kToolbarPictureSize.width(), kBarHeight);
    painter.fillRect(bar, toQColor(kClSilver));
    drawFrame3D(painter, bar, kClBtnHighlight, kClBtnShadow, 1);
    drawSeparator(painter, kFirstOfSecondGroup);
    drawSeparator(painter, kFirstOfThirdGroup);
    const int count = int(toolbarButtons().size());
    for (int index = 0; index < count; ++index) {
        const int icon = toolbarButtons()[std::size_t(index)].icon;
        painter.drawImage(toolbarIconPlace(index).topLeft(), pictures::commandIcon(icon, kToolbarPictureRatio));
    }

    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kNamePixels);
    painter.setFont(font);
    painter.setPen(kInk);
    for (int index = 0; index < count; ++index)
        drawName(painter, index);
    return image;
}

} // namespace manual
