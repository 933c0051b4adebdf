// Paints the manual's pictures into its folder given as the first argument:
// the start layout of every game of the catalogue, the board with its
// coordinates and the toolbar with its buttons named. Given a translation
// (a .qm file) as well, it paints only the pictures with words, in that
// language, for the pages of that language: the others show the same in
// every language, and those pages show the Czech manual's.
#include "tools/manual/BoardCoordinates.h"
#include "tools/manual/ManualPictures.h"
#include "tools/manual/ToolbarPicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QString>
#include <QTranslator>

#include <iostream>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: " << argv[0] << " <manual folder> [<translation>]\n";
        return 2;
    }
    // The names need fonts, and a build has no display to show anything on.
    int qtArgc = 3;
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    char* qtArgv[] = {argv[0], platform, offscreen, nullptr};
    const QGuiApplication application(qtArgc, qtArgv);

    QTranslator translation;
    const bool translated = argc == 3;
    if (translated
        && !(translation.load(QString::fromLocal8Bit(argv[2])) && QCoreApplication::installTranslator(&translation))) {
        std::cerr << argv[0] << ": cannot read the translation " << argv[2] << '\n';
        return 1;
    }
    std::vector<std::pair<QString, QImage>> pictures{
        {QString::fromLatin1(manual::kToolbarPictureFile), manual::toolbarPicture()},
    };
    if (!translated) {
        pictures.emplace_back(QString::fromLatin1(manual::kCoordinatePictureFile), manual::coordinatePicture());
        for (const pelikor::Game& game : pelikor::kGames)
            pictures.emplace_back(QString::fromStdString(manual::pictureFileName(game)),
                                  manual::layoutPicture(manual::pictureLayout(game)));
    }

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool written = folder.mkpath(QStringLiteral("."));
    for (const auto& [file, picture] : pictures)
        written = written && picture.save(folder.filePath(file), "PNG");
    if (!written) {
        std::cerr << argv[0] << ": cannot write the pictures into " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
