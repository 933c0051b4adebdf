// Paints the start layout of every game into the manual's folder given as
// the only argument, one picture per game of the catalogue.
#include "tools/manual/ManualPictures.h"

#include <QDir>
#include <QString>

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <manual folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool written = folder.mkpath(QStringLiteral("."));
    for (const pelikor::Game& game : pelikor::kGames) {
        const QString file = QString::fromStdString(manual::pictureFileName(game));
        written = written && manual::layoutPicture(manual::pictureLayout(game)).save(folder.filePath(file), "PNG");
    }
    if (!written) {
        std::cerr << argv[0] << ": cannot write the pictures into " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
