#pragma once

#include "services/core/ProfileFile.h"

#include <QString>

#include <filesystem>
#include <string_view>

// The program's settings: one key at a time of section "Nastaveni" in
// "Kolvex.ini" in the application folder. A missing file, section or key
// reads as the empty text; a failed write throws pelikor::ProfileWriteError.
class Settings {
public:
    static constexpr std::string_view kFileName = "Kolvex.ini";
    static constexpr std::string_view kSection = "Nastaveni";
    // "1": the assistant figure is shown; "0": it was closed.
    static constexpr std::string_view kAssistantKey = "Pomocnik";
    // "1": the welcome dialog opens at start; "0": it does not.
    static constexpr std::string_view kWelcomeKey = "Uvitani";

    // `applicationDir` ends with "/", as AppPath gives it; a folder name
    // that is not valid UTF-8 comes through as AppPath writes it.
    explicit Settings(const QString& applicationDir);
    // The application folder's own bytes, as AppPath::folder() gives them.
    explicit Settings(const std::filesystem::path& applicationFolder);

    QString read(std::string_view key);
    void write(std::string_view key, const QString& value);

    // Becomes readable when the file may have changed, -1 where the kernel
    // gives no notification; the next read takes the notices. Whether the
    // notification watched the file at the last read.
    int changeNotices() const { return file_.noticeDescriptor(); }
    bool changesNotified() const { return file_.notified(); }

    // The settings file's full path.
    QString filePath() const;

private:
    pelikor::ProfileFile file_;
};
