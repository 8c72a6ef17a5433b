// kolvar: the desktop star chart.
#include <cstring>

#include "shell/program_start.h"

int main(int argc, char** argv)
{
    // Hidden self-check for the test suite: are LoadIni and SaveIni exported by name?
    if (argc == 2 && std::strcmp(argv[1], "--self-check-exports") == 0) return kolvar::CheckExportedFunctions();
    return kolvar::RunProgram(argc, argv);
}
