#pragma once

#include "frame/MainWindow.h"

#include <QMap>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <algorithm>

// Another program's windows on the test's X server, read and driven with
// xdotool as a player's pointer and keys would drive them.

// The tool's words are split at spaces; none of them holds one.
inline QString xdotool(const QString& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments.split(QLatin1Char(' ')));
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// The windows a process shows, by their X ids.
inline QStringList shownWindowIds(qint64 pid)
{
    return xdotool(QStringLiteral("search --pid %1 --onlyvisible").arg(pid)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

inline QRect windowGeometry(const QString& id)
{
    QMap<QString, int> values;
    const QString geometry = xdotool(QStringLiteral("getwindowgeometry --shell ") + id);
    for (const QString& line : geometry.split(QLatin1Char('\n'))) {
        const QStringList pair = line.split(QLatin1Char('='));
        if (pair.size() == 2)
            values[pair[0]] = pair[1].toInt();
    }
    return QRect(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]);
}

struct ShownWindow {
    QString name;
    QRect geometry;
    bool operator==(const ShownWindow&) const = default;
};

// The windows a process shows on the screen, as the X server knows them.
inline QList<ShownWindow> shownWindows(qint64 pid)
{
    QList<ShownWindow> shown;
    for (const QString& id : shownWindowIds(pid))
        shown << ShownWindow{xdotool(QStringLiteral("getwindowname ") + id), windowGeometry(id)};
    std::sort(shown.begin(), shown.end(), [](const ShownWindow& a, const ShownWindow& b) { return a.name < b.name; });
    return shown;
}

// The main window: as wide as its client area, taller by its menu bar.
inline bool isMainWindow(const ShownWindow& window)
{
    return window.name == QStringLiteral("Pelikor 2000") && window.geometry.width() == MainWindow::kClientSize.width()
           && window.geometry.height() > MainWindow::kClientSize.height();
}

inline bool showsMainWindow(qint64 pid)
{
    const QList<ShownWindow> shown = shownWindows(pid);
    return std::any_of(shown.begin(), shown.end(), isMainWindow);
}
