#include "app/Entry.h"
#include "app/PelikorApplication.h"
#include "services/TAppPath.h"

int main(int argc, char** argv)
{
    chooseWindowSystem();
    PelikorApplication application(argc, argv);
    return runProgram(TAppPath().Path());
}
