#pragma once

#include <QString>

#include <filesystem>

// The application folder: where the running program file lies. Every path
// of the program is formed from it.
class AppPath {
public:
    // The folder as text with a trailing "/", looked up afresh on every call
    // from the program's own file, so that a start from another working
    // folder or through a link finds the real folder. Bytes of the folder's
    // name that are not valid UTF-8 come through as pelikor::pathText
    // writes them, so that Settings finds its file from the text.
    QString folderText() const;

    // The folder as the file system names it, byte for byte, for whatever
    // opens files there.
    std::filesystem::path folder() const;
};
