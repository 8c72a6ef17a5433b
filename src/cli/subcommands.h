#pragma once

// The kolvar-chart subcommands. Each takes the arguments after its name and
// returns the process exit status (0 done, 1 failed, 2 bad options or values).
// To add one: declare it here, put it in its own cmd_<name>.cpp, and add a
// line to the table in main.cpp.

#include <span>

namespace kolvar::cli {

int RunCloseUp(std::span<char* const> args);
int RunEphemeris(std::span<char* const> args);
int RunFind(std::span<char* const> args);
int RunIdentify(std::span<char* const> args);
int RunPrint(std::span<char* const> args);
int RunRender(std::span<char* const> args);
int RunRunic(std::span<char* const> args);

}  // namespace kolvar::cli
