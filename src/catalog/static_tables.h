#pragma once

namespace kolvar {

// Builds the program's static tables once at start-up, before any window, in
// their fixed order: star coordinates, Milky Way lists, planet elements, runic
// name tables, deep-sky coordinates.
void InitStaticTables();

}  // namespace kolvar
