#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QThread>
#include <QtTest/qtest.h>

// The window manager a test on an X server runs under: the program named
// by PELIKOR_TEST_WINDOW_MANAGER (openbox, xfwm4), started on the test's
// display before the application connects to it, so that Qt learns what
// the manager supports, and stopped when the test ends. None where the
// variable is empty: the tests run the same scenarios both ways.
class TestWindowManager {
public:
    TestWindowManager()
    {
        if (name().isEmpty())
            return;
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setStandardErrorFile(QProcess::nullDevice());
        process_.start(name(), {});
        QElapsedTimer waiting;
        waiting.start();
        while (!managesWindows()) {
            if (waiting.elapsed() > kPatienceMs || process_.state() == QProcess::NotRunning)
                qFatal("The window manager %s did not start on the display", qPrintable(name()));
            QThread::msleep(20);
        }
    }

    ~TestWindowManager()
    {
        process_.terminate();
        process_.waitForFinished();
    }

    TestWindowManager(const TestWindowManager&) = delete;
    TestWindowManager& operator=(const TestWindowManager&) = delete;

    static QString name() { return qEnvironmentVariable("PELIKOR_TEST_WINDOW_MANAGER"); }

private:
    static constexpr int kPatienceMs = 10000;

    // A window manager that has taken the screen names its check window on
    // the root window, as the extended window manager hints ask.
    static bool managesWindows()
    {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        return xprop.waitForFinished() && xprop.readAllStandardOutput().contains("window id #");
    }

    QProcess process_;
};

// QTEST_MAIN under the window manager the environment names.
#define PELIKOR_XTEST_MAIN(TestObject) \
    QTEST_MAIN_WRAPPER(TestObject, const TestWindowManager windowManager; QTEST_MAIN_SETUP())
