#include "services/AppPath.h"

#include "files/core/PathText.h"

#include <QCoreApplication>
#include <QFile>

namespace {

constexpr const char* kOwnProgramLink = "/proc/self/exe";
// The kernel marks a program file replaced while it runs (a rebuild) this way.
constexpr std::string_view kReplacedMark = " (deleted)";

} // namespace

std::filesystem::path AppPath::folder() const
{
    std::error_code error;
    std::string program = std::filesystem::read_symlink(kOwnProgramLink, error).native();
    if (error)
        program = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    if (program.ends_with(kReplacedMark))
        program.resize(program.size() - kReplacedMark.size());
    return std::filesystem::path(program).parent_path();
}

QString AppPath::folderText() const
{
    return QString::fromStdU16String(pelikor::pathText(folder().native())) + QLatin1Char('/');
}
