// Writes the program's icon into an icon theme folder for an install: a
// picture at every size it is drawn at, <folder>/<n>x<n>/apps/<name>.png,
// and the same drawing as vectors, <folder>/scalable/apps/<name>.svg.

#include "pictures/ProgramIcon.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>

#include <exception>
#include <iostream>

namespace {

// The size the scalable icon is drawn at; the details that only larger
// pictures show (the head's shadow) are in it.
constexpr int kScalableSize = 256;

bool writeScalable(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kScalableSize, kScalableSize));
    svg.setViewBox(QRect(0, 0, kScalableSize, kScalableSize));
    svg.setTitle(QStringLiteral("Pelikor 2000"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    pictures::paintProgramIcon(painter, kScalableSize);
    return painter.end();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <theme folder> <icon name>\n";
        return 2;
    }
    try {
        const QDir theme(QString::fromLocal8Bit(argv[1]));
        const QString name = QString::fromLocal8Bit(argv[2]);
        for (const int size : pictures::kProgramIconSizes) {
            const QString folder = QStringLiteral("%1x%1/apps").arg(size);
            const QString path = theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
            if (!theme.mkpath(folder) || !pictures::programIconImage(size).save(path, "PNG")) {
                std::cerr << argv[0] << ": cannot write " << path.toStdString() << '\n';
                return 1;
            }
        }
        const QString scalable = theme.filePath(QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg"));
        if (!theme.mkpath(QStringLiteral("scalable/apps")) || !writeScalable(scalable)) {
            std::cerr << argv[0] << ": cannot write " << scalable.toStdString() << '\n';
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << argv[0] << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
