#include "frame/MainWindow.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TestWindowManager.h"
#include "tests/support/XWindows.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

namespace {

// The frame's left, right, top and bottom, as the window manager declares
// them; none where no manager frames the window.
QMargins frameExtents(const QString& id)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")});
    xprop.waitForFinished();
    const QString answer = QString::fromUtf8(xprop.readAllStandardOutput());
    const QStringList values = answer.section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (values.size() != 4)
        return {};
    return QMargins(values[0].toInt(), values[2].toInt(), values[1].toInt(), values[3].toInt());
}

// The client area on the screen, as the X server places it (xdotool
// counts a frame's offset twice).
QRect clientPlace(const QString& id)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    xwininfo.waitForFinished();
    QMap<QString, int> values;
    for (const QString& line : QString::fromUtf8(xwininfo.readAllStandardOutput()).split(QLatin1Char('\n')))
        values[line.section(QLatin1Char(':'), 0, 0).trimmed()] = line.section(QLatin1Char(':'), 1).trimmed().toInt();
    return QRect(values[QStringLiteral("Absolute upper-left X")], values[QStringLiteral("Absolute upper-left Y")],
                 values[QStringLiteral("Width")], values[QStringLiteral("Height")]);
}

// Twice the centre, so that a frame of odd size compares exactly.
QPoint doubledCentre(const QRect& place)
{
    return QPoint(2 * place.left() + place.width(), 2 * place.top() + place.height());
}

} // namespace

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

    // The window stands in the middle of the screen as a whole: its frame,
    // title bar included, where a window manager draws one, and otherwise
    // its client area.
    void standsInTheMiddleOfTheScreen()
    {
        ProgramFixture program;
        program.start();
        const QString id = QString::number(program.main().winId());
        const QPoint screenCentre = doubledCentre(QGuiApplication::primaryScreen()->geometry());
        // To half a pixel: a window of odd size cannot stand closer.
        const auto offCentre = [&] { return doubledCentre(clientPlace(id).marginsAdded(frameExtents(id))) - screenCentre; };
        QTRY_VERIFY2(qAbs(offCentre().x()) <= 1 && qAbs(offCentre().y()) <= 1,
                     qPrintable(QStringLiteral("twice off the centre by %1, %2").arg(offCentre().x()).arg(offCentre().y())));
        QCOMPARE(frameExtents(id).isNull(), TestWindowManager::name().isEmpty());
    }
};

PELIKOR_XTEST_MAIN(MainWindowXTest)
#include "main_window_xtest.moc"
