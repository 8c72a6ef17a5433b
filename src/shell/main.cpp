// kolvar: the desktop star chart.
#include <cstring>

#include "shell/animation_bench.h"
#include "shell/program_start.h"

int main(int argc, char** argv) {
    // Hidden self-check for the test suite: are LoadIni and SaveIni exported by name?
    if (argc == 2 && std::strcmp(argv[1], "--self-check-exports") == 0)
        return kolvar::CheckExportedFunctions();
    // Hidden benchmark of the animation's frames (see animation_bench.h).
    if (argc >= 2 && std::strcmp(argv[1], "--bench-animation") == 0)
        return kolvar::RunAnimationBench(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "--bench-reticle") == 0) return kolvar::RunReticleBench(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "--bench-zoom") == 0) return kolvar::RunZoomBench(argc, argv);
    return kolvar::RunProgram(argc, argv);
}
