#include "services/ManualLauncher.h"

#include "files/core/FindEntry.h"
#include "services/PathText.h"

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

std::optional<ManualFiles> findManual(const std::filesystem::path& root)
{
    const auto program = pelikor::findEntry(root, kProgram, pelikor::EntryKind::File);
    if (!program)
        return std::nullopt;
    const auto page
        = pelikor::findEntry(pelikor::findFolderPath(root, kPagesFolders), kIndexPage, pelikor::EntryKind::File);
    if (!page)
        return std::nullopt;
    return ManualFiles{*program, page->lexically_relative(root)};
}

} // namespace

ManualLauncher::ManualLauncher(QString applicationDir) : applicationDir_(std::move(applicationDir)) {}

bool ManualLauncher::isPresent() const
{
    return findManual(pathOfText(applicationDir_)).has_value();
}

void ManualLauncher::start() const
{
    const std::filesystem::path root = pathOfText(applicationDir_);
    const std::optional<ManualFiles> manual = findManual(root);
    if (!manual)
        return;
    // The page is named relative to the folder the manual starts in. The
    // program enters it by its bytes and the manual inherits it, since a
    // folder name that is not valid UTF-8 would not survive a working
    // folder given as text; after every cue the program stands there anyway.
    std::error_code error;
    std::filesystem::current_path(root, error);
    if (error)
        return;
    QProcess::startDetached(textOfPath(std::filesystem::path(".") / manual->program.filename()),
                            {textOfPath(manual->indexPage)});
}
