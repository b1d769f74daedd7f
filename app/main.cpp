#include "program_start.h"

int main(int argc, char* argv[])
{
    // The program takes no command line: Qt sees the program's name alone,
    // so its own options (-reverse, -style, -platform ...) change nothing.
    int qtArgc = argc > 0 ? 1 : 0;
    char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    return RunProgram(qtArgc, qtArgv);
}
