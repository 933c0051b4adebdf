// Prints the application folder as the program sees it; run by the shell
// tests from elsewhere and through a link.
#include "TAppPath.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::fputs(TAppPath().Path().toLocal8Bit().constData(), stdout);
    return 0;
}
