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
        // Now and then a manager stalls in its start on a busy machine and
        // never finishes setting the screen up; a second start does.
        for (int attempt = 0; attempt < kAttempts; ++attempt)
            if (started())
                return;
        qFatal("The window manager %s did not start on the display", qPrintable(name()));
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
    static constexpr int kAttempts = 3;
    static constexpr int kPatienceMs = 10000;

    bool started()
    {
        process_.start(name(), {});
        QElapsedTimer waiting;
        waiting.start();
        while (process_.state() != QProcess::NotRunning && waiting.elapsed() < kPatienceMs) {
            if (managesWindows())
                return true;
            QThread::msleep(20);
        }
        process_.kill();
        process_.waitForFinished();
        return false;
    }

    // A window manager that has taken the screen names its check window on
    // the root window, as the extended window manager hints ask; the work
    // area it writes once it has set the screen up, windows managed before
    // included.
    static bool managesWindows()
    {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK"),
                                              QStringLiteral("_NET_WORKAREA")});
        const QByteArray root = xprop.waitForFinished() ? xprop.readAllStandardOutput() : QByteArray();
        return root.contains("window id #") && root.contains("_NET_WORKAREA(CARDINAL) =");
    }

    QProcess process_;
};

// QTEST_MAIN under the window manager the environment names.
#define PELIKOR_XTEST_MAIN(TestObject) \
    QTEST_MAIN_WRAPPER(TestObject, const TestWindowManager windowManager; QTEST_MAIN_SETUP())
