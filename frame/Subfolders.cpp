#include "frame/Subfolders.h"

#include <QCollator>
#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// The entry's type comes with its name on most file systems; a link, or an
// entry of a file system that does not say, is looked at where it leads.
bool isFolder(const QByteArray& folder, const dirent& entry)
{
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat status {};
    return ::stat((folder + '/' + entry.d_name).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

QStringList subfolders(const QString& folder, const std::atomic<bool>& stop)
{
    const QByteArray encoded = QFile::encodeName(folder);
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(encoded.constData()));
    QStringList names;
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (stop.load(std::memory_order_relaxed))
            return names;
        if (entry->d_name[0] != '.' && isFolder(encoded, *entry))
            names.append(QFile::decodeName(entry->d_name));
    }
    QCollator natural;
    natural.setNumericMode(true);
    natural.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), natural);
    return names;
}
