#include "TAppPath.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace {

constexpr const char* kOwnProgramLink = "/proc/self/exe";
// The kernel marks a program file replaced while it runs (a rebuild) this way.
constexpr QLatin1StringView kReplacedMark(" (deleted)");

} // namespace

QString TAppPath::Path() const
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink(kOwnProgramLink, error);
    QString file = error ? QCoreApplication::applicationFilePath() : QFile::decodeName(program.c_str());
    if (file.endsWith(kReplacedMark))
        file.chop(kReplacedMark.size());
    return QFileInfo(file).absolutePath() + QLatin1Char('/');
}
