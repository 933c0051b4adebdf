#include "tools/gallery/ScreenPictures.h"

#include "tools/gallery/GallerySamples.h"
#include "widgets/LampPictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <cstdio>

namespace {

constexpr int kZoom = 8;
constexpr int kLampGap = 4;

const QStringList kLampRows[] = {
    {"OFF", "ON", "DOWN"},
    {"OFFRND", "ONRND", "DOWNRND"},
    {"OFF3DWN", "ON3DWN", "DOWN3DWN"},
    {"OFF3UP", "ON3UP", "DOWN3UP"},
};

} // namespace

bool ScreenPictures::save(const QImage& picture, const QString& name)
{
    const QString path = folder_.filePath(name + QStringLiteral(".png"));
    const bool saved = !picture.isNull() && picture.save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

bool ScreenPictures::saveScreen(const QString& name)
{
    // Window 0 is the whole screen as the X server shows it, so shaped
    // windows appear with what lies beneath them.
    screen_ = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    return save(screen_, name);
}

bool ScreenPictures::saveArea(const QString& name, const QRect& area)
{
    return save(screen_.copy(area), name);
}

bool ScreenPictures::saveLamps(const QString& name)
{
    // Each lamp enlarged on the balloon colour, so its pixels can be judged.
    int width = 0;
    int height = 0;
    for (const QStringList& row : kLampRows) {
        int rowWidth = 0;
        int rowHeight = 0;
        for (const QString& lamp : row) {
            const QSize size = LampPictures::pixmap(lamp).size() * kZoom;
            rowWidth += size.width() + kLampGap;
            rowHeight = std::max(rowHeight, size.height());
        }
        width = std::max(width, rowWidth);
        height += rowHeight + kLampGap;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(toQColor(GallerySamples::kBalloonColour));
    QPainter painter(&sheet);
    int y = 0;
    for (const QStringList& row : kLampRows) {
        int x = 0;
        int rowHeight = 0;
        for (const QString& lamp : row) {
            const QPixmap pixmap = LampPictures::pixmap(lamp);
            const QSize size = pixmap.size() * kZoom;
            painter.drawPixmap(QRect(QPoint(x, y), size), pixmap);
            x += size.width() + kLampGap;
            rowHeight = std::max(rowHeight, size.height());
        }
        y += rowHeight + kLampGap;
    }
    painter.end();
    return save(sheet, name);
}
