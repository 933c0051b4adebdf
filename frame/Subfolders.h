#pragma once

#include <QString>
#include <QStringList>

#include <atomic>

// The names of a folder's subfolders as a file manager lists them: hidden
// ones left out, links that lead to a folder counted, in natural order
// without regard to case. Reads only the folder's entries, so that a
// folder of many files costs one pass over its names; an unreadable folder
// has none. Stops early, with what it has, once `stop` is set.
QStringList subfolders(const QString& folder, const std::atomic<bool>& stop);
