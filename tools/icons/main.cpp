// Writes the program's icon at every size it is drawn at into an icon
// theme folder, <folder>/<n>x<n>/apps/<name>.png, for the desktop entry of
// an install.

#include "pictures/ProgramIcon.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <theme folder> <icon name>\n";
        return 2;
    }
    try {
        const QDir theme(QString::fromLocal8Bit(argv[1]));
        const QString fileName = QString::fromLocal8Bit(argv[2]) + QStringLiteral(".png");
        for (const int size : pictures::kProgramIconSizes) {
            const QString folder = QStringLiteral("%1x%1/apps").arg(size);
            const QString path = theme.filePath(folder + QLatin1Char('/') + fileName);
            if (!theme.mkpath(folder) || !pictures::programIconImage(size).save(path, "PNG")) {
                std::cerr << argv[0] << ": cannot write " << path.toStdString() << '\n';
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::cerr << argv[0] << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
