#pragma once

namespace kolvar {

// Builds the program's static tables that are not constant from compile time
// once at start-up, before any window: the runic name tables. The star,
// deep-sky, Milky Way and planet tables are converted by the compiler.
void InitStaticTables();

}  // namespace kolvar
