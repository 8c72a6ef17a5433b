#pragma once

#include <cstdint>
#include <vector>

#include "catalog/deep_star_file.h"
#include "catalog/ngc_ic_catalogue.h"

namespace kolvar {

// A field of the sky to fill from the deep catalogues: a circle around a
// J2000 direction, the faintest star magnitude to list, and the instant the
// stars' proper motions carry them to.
struct DeepFieldRequest {
    double RightAscension = 0.0;  // J2000, radians
    double Declination = 0.0;     // J2000, radians
    double Radius = 0.0;          // radians
    float StarMagnitudeLimit = 10.5f;
    double YearsSince2000 = 0.0;  // Julian years from J2000.0
};

// What a field holds: the deep stars (moved by their proper motions to the
// instant, brightest first) and the NGC/IC objects whose centre or outline
// reaches into it (indices of NgcIcCatalogue(), in catalogue order).
struct DeepFieldContents {
    std::vector<DeepStar> Stars;
    std::vector<std::uint16_t> Objects;
};

// The deep stars and deep-sky objects of one field: the one query that the
// zoomed close-up, its identification and the paper finder chart share.
// Without a star file (null, or one that failed to open) the field holds the
// NGC/IC objects alone.
DeepFieldContents QueryDeepField(const DeepStarFile* stars, const DeepFieldRequest& request);

// The faintest magnitude the close-up shows stars to for a field of
// `fieldDegrees` across: 6.5 for 30 degrees and wider, 10.5 for 2 degrees
// and narrower, between them in proportion to the logarithm of the field.
float FieldMagnitudeLimit(double fieldDegrees);

}  // namespace kolvar
