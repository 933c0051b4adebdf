#pragma once

#include "services/SingleCopy.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>
#include <future>

// The search for a running copy, made from another thread while this one's
// event loop lets the windows published here answer, as a copy started in
// another process would search.
struct CopySearch {
    bool found;
    qint64 elapsedMs;
};

inline CopySearch searchAside(const QString& className = QStringLiteral("THlavniDialog"),
                              const QString& title = QStringLiteral("Pelikor 2000"))
{
    QElapsedTimer clock;
    clock.start();
    auto search = std::async(std::launch::async, [&] { return SingleCopy::findWindow(className, title); });
    while (search.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        QCoreApplication::processEvents();
    const bool found = search.get();
    return {found, clock.elapsed()};
}
