#include "app/SecondCopy.h"
#include "app/SecondCopyWarning.h"
#include "dialogs/AssistantFigure.h"
#include "services/Settings.h"
#include "tests/support/RecordingCuePlayer.h"
#include "widgets/FlatButton.h"
#include "widgets/ShapedPicture.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A second copy on an application folder of its own, with the two cue
// files the figure plays, recording what it plays.
struct CopyFixture {
    QTemporaryDir folder;
    QString applicationDir = folder.path() + QLatin1Char('/');
    QStringList cues;
    std::unique_ptr<SecondCopy> copy;

    CopyFixture()
    {
        QDir(folder.path()).mkdir(QStringLiteral("Zvuky"));
        for (const char* cue : {"PomocnikStart.wav", "PomocnikKonec.wav"}) {
            QFile file(applicationDir + QStringLiteral("Zvuky/") + QLatin1String(cue));
            file.open(QIODevice::WriteOnly);
        }
        copy = std::make_unique<SecondCopy>(applicationDir, std::make_unique<RecordingCuePlayer>(cues));
    }

    AssistantFigure& figure() { return copy->assistantFigure(); }
    SecondCopyWarning& warning() { return copy->secondCopyWarning(); }
    QString assistantSetting() { return Settings(applicationDir).read(Settings::kAssistantKey); }
};

// What a player acknowledges the warning with.
enum class Acknowledge { OkButton, Escape, Enter };

} // namespace

Q_DECLARE_METATYPE(Acknowledge)

class SecondCopyTest : public QObject {
    Q_OBJECT

private slots:
    // Strong pink first; whatever is not the light pink becomes it. That the
    // timer turns it is seen on the screen in copies_xtest.
    void warningBlinksStrictlyBetweenTheTwoPinks()
    {
        CopyFixture fixture;
        SecondCopyWarning& warning = fixture.warning();
        for (ColourNumber expected : {SecondCopyWarning::kStrongPink, SecondCopyWarning::kLightPink,
                                      SecondCopyWarning::kStrongPink, SecondCopyWarning::kLightPink}) {
            QCOMPARE(warning.colour(), expected);
            QCOMPARE(warning.palette().color(QPalette::Window), toQColor(expected));
            warning.blink();
        }
    }

    void acknowledgingEndsTheCopy_data()
    {
        QTest::addColumn<Acknowledge>("way");
        QTest::newRow("Ok") << Acknowledge::OkButton;
        QTest::newRow("Esc") << Acknowledge::Escape;
        QTest::newRow("Enter") << Acknowledge::Enter;
    }
    void acknowledgingEndsTheCopy()
    {
        QFETCH(Acknowledge, way);
        CopyFixture fixture;
        QSignalSpy finished(fixture.copy.get(), &SecondCopy::finished);
        fixture.copy->start();
        SecondCopyWarning& warning = fixture.warning();
        // While the warning shows, the figure is shown but locked.
        QVERIFY(fixture.figure().isVisible() && !fixture.figure().isEnabled());
        QCOMPARE(fixture.assistantSetting(), QStringLiteral("1"));

        // Other keys do nothing.
        QTest::keyClick(&warning, Qt::Key_A);
        QTest::keyClick(&warning, Qt::Key_Space);
        QVERIFY(fixture.figure().isVisible());
        QCOMPARE(finished.count(), 0);

        if (way == Acknowledge::OkButton)
            QTest::mouseClick(warning.findChild<FlatButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        else
            QTest::keyClick(&warning, way == Acknowledge::Escape ? Qt::Key_Escape : Qt::Key_Return);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!fixture.figure().isVisible() && fixture.figure().isEnabled());
        QCOMPARE(fixture.cues, (QStringList{QStringLiteral("PomocnikStart.wav"), QStringLiteral("PomocnikKonec.wav")}));
        QCOMPARE(fixture.assistantSetting(), QStringLiteral("0"));
    }

    // Closed by the window system, the warning leaves the figure as the
    // only window, enabled; a click on it opens nothing; closing it ends
    // the copy.
    void warningClosedByTheWindowSystemLeavesTheFigure()
    {
        CopyFixture fixture;
        QSignalSpy finished(fixture.copy.get(), &SecondCopy::finished);
        fixture.copy->start();
        fixture.warning().close();
        QVERIFY(fixture.figure().isEnabled());
        QCOMPARE(finished.count(), 0);

        const QPoint middle = fixture.figure().rect().center();
        QTest::mouseDClick(&fixture.figure().shapedPicture(), Qt::LeftButton, {}, middle);
        QTest::qWait(20);
        QWidgetList shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                shown << window;
        }
        QCOMPARE(shown, QWidgetList{&fixture.figure()});
        QCOMPARE(finished.count(), 0);
        QCOMPARE(fixture.assistantSetting(), QStringLiteral("1"));

        QTest::keyClick(&fixture.figure(), Qt::Key_F4, Qt::AltModifier);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(fixture.assistantSetting(), QStringLiteral("0"));
    }
};

QTEST_MAIN(SecondCopyTest)
#include "second_copy_test.moc"
