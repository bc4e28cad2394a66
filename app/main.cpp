#include "app/Application.h"

int main(int argc, char *argv[])
{
    return pelumo::runPelumo(argc, argv);
}
