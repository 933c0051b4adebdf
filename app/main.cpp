#include "MultimediaCuePlayer.h"
#include "PelikorApplication.h"
#include "PelikorWindows.h"
#include "TAppPath.h"

int main(int argc, char** argv)
{
    PelikorApplication application(argc, argv);
    PelikorWindows windows(TAppPath().Path(), std::make_unique<MultimediaCuePlayer>());
    windows.show();
    return application.exec();
}
