// Prints the application folder as the program sees it; run by the shell
// tests from elsewhere and through a link. With "settings", writes and
// reads back Pomocnik as the program's windows do, from the folder's text.
#include "services/AppPath.h"
#include "services/Settings.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "settings") == 0) {
        Settings settings(AppPath().folderText());
        settings.write(Settings::kAssistantKey, QStringLiteral("1"));
        return settings.read(Settings::kAssistantKey) == QStringLiteral("1") ? 0 : 1;
    }
    std::fputs(AppPath().folderText().toLocal8Bit().constData(), stdout);
    return 0;
}
