#include "services/ManualLauncher.h"

#include "files/core/FindEntry.h"

#include <QFile>
#include <QProcess>

#include <filesystem>
#include <optional>

namespace {

constexpr std::string_view kProgram = "ManualKolvex.exe";
constexpr std::string_view kPagesFolders[] = {"Html", "Pelkor2000"};
constexpr std::string_view kIndexPage = "Index.htm";

struct ManualFiles {
    std::filesystem::path program;
    std::filesystem::path indexPage; // relative to the application folder
};

std::optional<ManualFiles> findManual(const QString& applicationDir)
{
    const std::filesystem::path root = QFile::encodeName(applicationDir).toStdString();
    const auto program = pelikor::findEntry(root, kProgram, pelikor::EntryKind::File);
    if (!program)
        return std::nullopt;
    const auto page
        = pelikor::findEntry(pelikor::findFolderPath(root, kPagesFolders), kIndexPage, pelikor::EntryKind::File);
    if (!page)
        return std::nullopt;
    return ManualFiles{*program, page->lexically_relative(root)};
}

QString fromPath(const std::filesystem::path& path)
{
    return QFile::decodeName(path.c_str());
}

} // namespace

ManualLauncher::ManualLauncher(QString applicationDir) : applicationDir_(std::move(applicationDir)) {}

bool ManualLauncher::isPresent() const
{
    return findManual(applicationDir_).has_value();
}

void ManualLauncher::start() const
{
    const std::optional<ManualFiles> manual = findManual(applicationDir_);
    if (!manual)
        return;
    // The page is named relative to the application folder, which the
    // manual starts in whatever folder the program was started from.
    QProcess::startDetached(fromPath(manual->program), {fromPath(manual->indexPage)}, applicationDir_);
}
