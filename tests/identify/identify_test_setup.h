#pragma once

#include "chart/chart_frame.h"
#include "sky/sky_object_table.h"

namespace kolvar::testing {

// The start-up tables and the program's faces, once per process.
void InitialiseIdentifyTables();

// The star index of an HR number; -1 when the catalogue has no such star.
int StarIndexOfHr(int hrNumber);

// A selection of one catalogue object, as the chart table holds it.
SkyObjectEntry StarSelection(int starIndex);
SkyObjectEntry DeepSkySelection(int objectIndex);
SkyObjectEntry BodySelection(int kind, int index, int signIndex);

// The chart of 14 August 2024, 21:00 UT over the default place, drawn at
// width x height into `objects` and `frame`.
void DrawEveningChart(int width, int height, ChartFrame& frame, SkyObjectTable& objects);

}  // namespace kolvar::testing
