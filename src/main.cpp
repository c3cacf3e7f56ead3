#include "gui/app/RunNumerion.h"

int main(int argc, char** argv)
{
    return RunNumerion(argc, argv);
}
