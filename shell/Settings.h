#pragma once

#include "ProfileFile.h"

#include <QString>

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

// The program's settings: one key at a time of section "Nastaveni" in
// "Kolvex.ini" in the application folder. A missing file, section or key
// reads as the empty text; a failed write throws pelikor::ProfileWriteError.
class Settings {
public:
    static constexpr std::string_view kFileName = "Kolvex.ini";
    static constexpr std::string_view kSection = "Nastaveni";
    // "1": the assistant figure is shown; "0": it was closed.
    static constexpr std::string_view kPomocnik = "Pomocnik";
    // "1": the welcome dialog opens at start; "0": it does not.
    static constexpr std::string_view kUvitani = "Uvitani";

    // `applicationDir` ends with "/", as TAppPath gives it.
    explicit Settings(const QString& applicationDir);

    QString read(std::string_view key);
    void write(std::string_view key, const QString& value);

    // The settings file's full path.
    QString filePath() const;

private:
    // Points the profile at the folder's settings file in whatever letter
    // case it is spelt; looks again only when the folder's listing changed.
    void locate();

    std::filesystem::path folder_;
    std::optional<std::array<std::int64_t, 4>> folderListing_; // inode, device, content and status times
    pelikor::ProfileFile file_;
};
