#pragma once

// --city NAME: a town of the city table for its place, zone and summer-time rule.

#include "catalog/cities.h"
#include "cli/cli_options.h"

namespace kolvar::cli {

inline constexpr OptionSpec CityOption{
    "--city", "NAME",
    "a town: its place, zone and summer-time rule ('NAME, COUNTRY' where towns share a name)"};

// The town --city names, or nothing without the option. The name is UTF-8
// and compares as find compares names (case, accents and spaces do not
// matter); a name that several towns share, or none, is a UsageError that
// lists what is there to choose.
const CityRecord* CityFromOptions(const ParsedOptions& options);

// The town that `text` ("Szeged", "Paris, France", "Paris, Texas") names, as above;
// `option` names it in messages.
const CityRecord& CityNamed(std::string_view option, std::string_view text);

}  // namespace kolvar::cli
