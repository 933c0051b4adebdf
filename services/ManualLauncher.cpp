#include "services/ManualLauncher.h"

#include "files/core/FindEntry.h"
#include "services/PathText.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include <filesystem>
#include <optional>
#include <stdexcept>

#include <unistd.h>

namespace {

constexpr std::string_view kViewer = "ManualKolvex.exe";
constexpr std::string_view kPagesFolders[] = {"Html", "Pelkor2000"};
constexpr std::string_view kIndexPage = "Index.htm";
// The page as the viewer is given it, and as a message names it, when no
// page is found in any letter case.
const std::filesystem::path kIndexPath = "Html/Pelkor2000/Index.htm";

// A viewer that is there but may not be run (copied without its mode, or
// a stray file of that name) is no viewer: the pages open in the browser.
std::optional<std::filesystem::path> runnableViewer(const std::filesystem::path& root)
{
    const auto viewer = pelikor::findEntry(root, kViewer, pelikor::EntryKind::File);
    if (viewer && ::access(viewer->c_str(), X_OK) == 0)
        return viewer;
    return std::nullopt;
}

std::optional<std::filesystem::path> czechIndexPage(const std::filesystem::path& root)
{
    return pelikor::findEntry(pelikor::findFolderPath(root, kPagesFolders), kIndexPage, pelikor::EntryKind::File);
}

std::optional<std::filesystem::path> indexPage(const std::filesystem::path& root, const QString& language)
{
    if (language == QLatin1String(ProgramLanguage::kSourceLanguage))
        return czechIndexPage(root);
    const std::string code = language.toStdString();
    const std::string_view folders[] = {kPagesFolders[0], kPagesFolders[1], code};
    const auto page = pelikor::findEntry(pelikor::findFolderPath(root, folders), kIndexPage, pelikor::EntryKind::File);
    return page ? page : czechIndexPage(root);
}

// The page's address with every byte of its path kept: a folder name that
// is not valid UTF-8 is percent-encoded byte by byte.
QUrl fileAddress(const std::filesystem::path& page)
{
    const QByteArray bytes = QByteArray::fromStdString(std::filesystem::absolute(page).lexically_normal().native());
    return QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"));
}

[[noreturn]] void cannotOpen(const std::filesystem::path& page)
{
    throw std::runtime_error(
        QCoreApplication::translate("ManualLauncher", "Elektronický manuál se nepodařilo otevřít: \"%1\".")
            .arg(textOfPath(page))
            .toStdString());
}

} // namespace

ManualLauncher::ManualLauncher(QString applicationDir, QString language)
    : applicationDir_(std::move(applicationDir)), language_(std::move(language))
{
}

bool ManualLauncher::isPresent() const
{
    const std::filesystem::path root = pathOfText(applicationDir_);
    return runnableViewer(root) || czechIndexPage(root);
}

void ManualLauncher::start() const
{
    const std::filesystem::path root = pathOfText(applicationDir_);
    const std::optional<std::filesystem::path> page = indexPage(root, language_);
    if (const auto viewer = runnableViewer(root)) {
        // The viewer takes the page named relative to the folder it starts
        // in. The program enters it by its bytes and the viewer inherits
        // it, since a folder name that is not valid UTF-8 would not survive
        // a working folder given as text; after every cue the program
        // stands there anyway.
        const std::filesystem::path relative
            = page ? page->lexically_relative(root) : kIndexPath;
        std::error_code error;
        std::filesystem::current_path(root, error);
        if (error || !QProcess::startDetached(textOfPath(std::filesystem::path(".") / viewer->filename()),
                                              {textOfPath(relative)}))
            cannotOpen(root / relative);
        return;
    }
    if (!page)
        cannotOpen(root / kIndexPath);
    if (!QDesktopServices::openUrl(fileAddress(*page)))
        cannotOpen(*page);
}
