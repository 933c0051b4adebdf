#include "PelikorApplication.h"
#include "PelikorWindows.h"

int main(int argc, char** argv)
{
    PelikorApplication application(argc, argv);
    PelikorWindows windows;
    windows.show();
    return application.exec();
}
