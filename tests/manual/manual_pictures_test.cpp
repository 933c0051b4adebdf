// The manual's pictures of the games, as the build painted them into the
// application folder, read back position by position against the games
// catalogue; beside each picture the pages state the catalogue's peg
// count, smallest remainder and table tab.
#include "pictures/BoardGeometry.h"
#include "setup/core/Games.h"
#include "tools/manual/ManualPictures.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

using namespace pelikor;

namespace {

// A peg's face is pink, never as green as the white of an empty hole.
constexpr int kHoleGreen = 250;

// The facts a game's section of the pages states, in their order.
QStringList statedFacts(const QDir& folder, const QString& section)
{
    QString pages;
    for (const QString& name : folder.entryList({QStringLiteral("*.htm")})) {
        QFile page(folder.filePath(name));
        pages += page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
    }
    const qsizetype start = pages.indexOf(QStringLiteral("<section id=\"%1\">").arg(section));
    const qsizetype end = pages.indexOf(QStringLiteral("</section>"), start);
    const QString text = start < 0 ? QString() : pages.mid(start, end - start);
    QStringList facts;
    for (const auto& match : QRegularExpression(QStringLiteral("src=\"([^\"]*)\"|<dd>([^<]*)</dd>")).globalMatch(text))
        facts << match.captured(match.lastCapturedIndex());
    return facts;
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
        const QDir folder(qEnvironmentVariable("PELIKOR_TEST_APP_DIR") + QStringLiteral("/Html/Pelkor2000"));
        const QString file = QString::fromStdString(manual::pictureFileName(game));
        const QImage picture(folder.filePath(file));
        QCOMPARE(picture.size(), manual::kPictureSize * manual::kPictureRatio);
        PositionSet painted;
        for (int n = 1; n <= kPositionCount; ++n) {
            const QPointF centre = QRectF(pictures::pegRect(n)).center() * manual::kPictureRatio;
            painted.set(n, qGreen(picture.pixel(centre.toPoint())) < kHoleGreen);
        }
        QCOMPARE(painted.bits(), start.bits());

        const QStringList expected{file, QString::number(start.size()), QString::number(game.smallestRemainder),
                                   QString::fromUtf8(game.caption)};
        QCOMPARE(statedFacts(folder, QFileInfo(file).completeBaseName()), expected);
    }
};

QTEST_GUILESS_MAIN(ManualPicturesTest)
#include "manual_pictures_test.moc"
