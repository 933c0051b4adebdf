#include "Entry.h"
#include "PelikorApplication.h"
#include "TAppPath.h"

int main(int argc, char** argv)
{
    chooseWindowSystem();
    PelikorApplication application(argc, argv);
    return runProgram(TAppPath().Path());
}
