#include "frame/MainWindow.h"
#include "tests/support/ProgramFixture.h"

#include <QProcess>
#include <QTest>

// The main window as the X server holds it for the window manager.
class MainWindowXTest : public QObject {
    Q_OBJECT

private slots:
    // The window of fixed size offers moving, minimising and closing only,
    // and asks for a border and a title with its menu and minimise box: no
    // resize handles, no maximise box.
    void fixedWindowOffersNoResizing()
    {
        ProgramFixture program;
        program.start();
        QCOMPARE(program.main().minimumSize(), program.main().maximumSize());
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(program.main().winId()),
                                              QStringLiteral("_MOTIF_WM_HINTS")});
        QVERIFY2(xprop.waitForFinished(), "xprop is missing");
        // Functions and decorations given; move 0x4, minimise 0x8, close
        // 0x20; border 0x2, title 0x8, menu 0x10, minimise 0x20.
        QCOMPARE(xprop.readAllStandardOutput().trimmed(),
                 QByteArray("_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x3, 0x2c, 0x3a, 0x0, 0x0"));
    }
};

QTEST_MAIN(MainWindowXTest)
#include "main_window_xtest.moc"
