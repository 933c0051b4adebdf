// The manual's pictures as the build painted them into the application
// folder, read back against what the program itself holds: each game's
// layout against the games catalogue, the board's numbers against the
// names a screen reader hears, the toolbar against the main window's
// toolbar and menus; and what the pages state beside them.
#include "dialogs/AccessibleNames.h"
#include "pictures/BoardGeometry.h"
#include "pictures/CommandIcons.h"
#include "setup/core/Games.h"
#include "tests/support/ProgramFixture.h"
#include "tools/manual/BoardCoordinates.h"
#include "tools/manual/ManualPictures.h"
#include "tools/manual/ToolbarPicture.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

using namespace pelikor;

namespace {

// A peg's face is pink, never as green as the white of an empty hole.
constexpr int kHoleGreen = 250;

// The Czech pages, or those of another language in its folder among them.
QDir manualFolder(const QString& language = QString())
{
    return QDir(qEnvironmentVariable("PELIKOR_TEST_APP_DIR") + QStringLiteral("/Html/Pelkor2000/") + language);
}

QString pages(const QDir& folder)
{
    QString text;
    for (const QString& name : folder.entryList({QStringLiteral("*.htm")})) {
        QFile page(folder.filePath(name));
        text += page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
    }
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

// What the element that opens with `start` holds, up to `end`.
QString element(const QString& start, const QString& end, const QDir& folder = manualFolder())
{
    const QString text = pages(folder);
    const qsizetype from = text.indexOf(start);
    return from < 0 ? QString() : text.mid(from, text.indexOf(end, from) - from);
}

// Every match of one capture in a text.
QStringList captured(const QString& text, const QString& pattern)
{
    QStringList found;
    for (const auto& match : QRegularExpression(pattern).globalMatch(text))
        found << match.captured(match.lastCapturedIndex());
    return found;
}

// The pegs a board panel painted at the pictures' ratio shows, with its
// corner at `corner` of the picture.
PositionSet paintedPegs(const QImage& picture, QPoint corner)
{
    PositionSet painted;
    for (int n = 1; n <= kPositionCount; ++n) {
        const QPointF centre = QRectF(pictures::pegRect(n).translated(corner)).center() * manual::kPictureRatio;
        painted.set(n, qGreen(picture.pixel(centre.toPoint())) < kHoleGreen);
    }
    return painted;
}

// Whether any pixel of a part of a picture, given at ratio 1, is drawn.
bool inked(const QImage& picture, const QRect& place, qreal ratio)
{
    const QRect pixels = QRect(place.topLeft() * ratio, place.size() * ratio) & picture.rect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (qAlpha(picture.pixel(x, y)) != 0)
                return true;
    return false;
}

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(pictures::kCommandIconSize).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class ManualPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void showsEachGameFromTheCatalogue_data()
    {
        QTest::addColumn<int>("index");
        for (int index = 0; index < kGameCount; ++index)
            QTest::newRow(kGames[index].caption.data()) << index;
    }

    void showsEachGameFromTheCatalogue()
    {
        QFETCH(int, index);
        const Game& game = kGames[index];
        const PositionSet start = game.optionalNumber ? game.layout : standardLayout().occupied;
        const QString file = QString::fromStdString(manual::pictureFileName(game));
        const QImage picture(manualFolder().filePath(file));
        QCOMPARE(picture.size(), manual::kPictureSize * manual::kPictureRatio);
        QCOMPARE(paintedPegs(picture, QPoint()).bits(), start.bits());

        const QStringList expected{file, QString::number(start.size()), QString::number(game.smallestRemainder),
                                   QString::fromUtf8(game.caption)};
        const QString section = element(QStringLiteral("<section id=\"%1\">").arg(QFileInfo(file).completeBaseName()),
                                        QStringLiteral("</section>"));
        QCOMPARE(captured(section, QStringLiteral("src=\"([^\"]*)\"|<dd>„?([^<„“]*)“?</dd>")), expected);
    }

    // Every position's row and column stand beside it as the numbers a
    // screen reader names it by; nothing else is drawn beside the board.
    void numbersTheBoardAsTheScreenReaderNamesIt()
    {
        const QImage picture(manualFolder().filePath(QLatin1String(manual::kCoordinatePictureFile)));
        QCOMPARE(picture.size(), manual::kCoordinatePictureSize * manual::kPictureRatio);
        const QPoint board(manual::kCoordinateMargin, manual::kCoordinateMargin);
        QCOMPARE(paintedPegs(picture, board).bits(), standardLayout().occupied.bits());

        const std::vector<manual::CoordinateLabel> labels = manual::coordinateLabels();
        for (int n = 1; n <= kPositionCount; ++n) {
            const QPoint centre = pictures::pegRect(n).translated(board).center();
            QStringList numbers;
            for (const manual::CoordinateLabel& label : labels)
                if (label.place.top() <= centre.y() && label.place.bottom() >= centre.y())
                    numbers << QStringLiteral("řada ") + label.text;
            for (const manual::CoordinateLabel& label : labels)
                if (label.place.left() <= centre.x() && label.place.right() >= centre.x())
                    numbers << QStringLiteral("sloupec ") + label.text;
            QCOMPARE(QStringLiteral("Kámen, ") + numbers.join(QStringLiteral(", ")), AccessibleNames::positionName(n, true));
        }
        QRegion margin = QRegion(QRect(QPoint(), manual::kCoordinatePictureSize)) - QRect(board, manual::kPictureSize);
        for (const manual::CoordinateLabel& label : labels) {
            QVERIFY2(inked(picture, label.place, manual::kPictureRatio), qPrintable(label.text));
            margin -= label.place;
        }
        for (const QRect& blank : margin)
            QVERIFY(!inked(picture, blank, manual::kPictureRatio));
    }

    void showsTheMainWindowsToolbar_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("Czech") << QString() << QStringLiteral("„([^“]*)“");
        QTest::newRow("English") << QStringLiteral("en") << QStringLiteral("“([^”]*)”");
    }

    // The toolbar's buttons in their order: each icon as the main window
    // shows it, named by the menu command with that icon, in the picture
    // and in the pages' table of the buttons, in each language.
    void showsTheMainWindowsToolbar()
    {
        QFETCH(QString, language);
        QFETCH(QString, quoted);
        QTranslator translation;
        if (!language.isEmpty()) {
            QVERIFY(translation.load(QStringLiteral("pelikor_") + language,
                                     qEnvironmentVariable("PELIKOR_TEST_APP_DIR") + QStringLiteral("/translations")));
            QCoreApplication::installTranslator(&translation);
        }
        ProgramFixture program;
        QList<QToolButton*> buttons = program.main().findChildren<QToolButton*>();
        // The menu bar's own button, for items that do not fit, is none of them.
        buttons.removeIf([&](QToolButton* button) { return button->parentWidget() == program.main().menuBar(); });
        std::sort(buttons.begin(), buttons.end(), [](QToolButton* a, QToolButton* b) { return a->x() < b->x(); });
        QStringList commands;
        for (QToolButton* button : buttons)
            for (QAction* action : program.main().findChildren<QAction*>())
                if (!action->icon().isNull() && iconImage(action->icon()) == iconImage(button->icon())) {
                    commands << action->text().remove(QLatin1Char('&'));
                    break;
                }
        QCOMPARE(commands.size(), buttons.size());

        const QImage picture(manualFolder(language).filePath(QLatin1String(manual::kToolbarPictureFile)));
        QCOMPARE(picture.size(), manual::kToolbarPictureSize * manual::kToolbarPictureRatio);
        const std::vector<manual::ToolbarButton> toolbar = manual::toolbarButtons();
        QCOMPARE(qsizetype(toolbar.size()), buttons.size());
        QStringList painted;
        for (int index = 0; index < int(toolbar.size()); ++index) {
            const manual::ToolbarButton& button = toolbar[std::size_t(index)];
            painted << button.command;
            QCOMPARE(iconImage(QIcon(QPixmap::fromImage(pictures::commandIcon(button.icon)))),
                     iconImage(buttons[index]->icon()));
            const QImage icon = pictures::commandIcon(button.icon, manual::kToolbarPictureRatio);
            const QPoint corner = manual::toolbarIconPlace(index).topLeft() * manual::kToolbarPictureRatio;
            for (int y = 0; y < icon.height(); ++y)
                for (int x = 0; x < icon.width(); ++x)
                    if (qAlpha(icon.pixel(x, y)) == 255)
                        QCOMPARE(picture.pixel(corner + QPoint(x, y)), icon.pixel(x, y));
        }
        QCOMPARE(painted, commands);
        // Named in the language of the pages that show it.
        QVERIFY(picture == manual::toolbarPicture().convertToFormat(picture.format()));
        const QString table =
            element(QStringLiteral("<table id=\"tlacitka\">"), QStringLiteral("</table>"), manualFolder(language));
        QCOMPARE(captured(table, QStringLiteral("<tr><td>") + quoted + QStringLiteral("</td>")), commands);
        QCoreApplication::removeTranslator(&translation);
    }
};

QTEST_MAIN(ManualPicturesTest)
#include "manual_pictures_test.moc"
