#pragma once

namespace kolvar {

// Fills the start-up tables the chart reads (planet elements, catalogues,
// Milky Way lists) once per test process.
void InitialiseChartTables();

}  // namespace kolvar
