#pragma once

// The object window's rows: a caption and its value for each thing the
// report knows of the object, in the window's order; rows that do not apply
// (a size unknown, a distance of a star, the phase of anything but the Moon)
// are left out. Values are plain Hungarian (Windows-1250), times on the
// observer's clock.

#include <string>
#include <vector>

#include "plan/object_report.h"
#include "texts/view_captions.h"

namespace kolvar {

struct ObjectRow {
    const ViewCaption* Caption = nullptr;
    std::string Value;
};

std::vector<ObjectRow> ObjectRows(const ObjectReport& report, double zoneHours, bool summerTime);

// Find's list's words for a hit: "+45.3°, nyugszik 12.10. 03:12" (month,
// day and minute on the observer's clock), or that it never rises or sets.
std::string HorizonSummaryText(const HorizonSummary& summary, double zoneHours, bool summerTime);

// "+41°16'09\"" (Windows-1250); the right ascension's text is HoursText.
std::string DegreesValue(double radians);

}  // namespace kolvar
