#include "Application.h"

int main(int argc, char** argv)
{
    return RunMarloQuent(argc, argv);
}
