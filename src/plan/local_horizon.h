#pragma once

// A local horizon: the altitude of the skyline (houses, trees, hills) over
// each azimuth, from a text file of "azimuth altitude" pairs in degrees, one
// pair a line, separated by blanks or a comma; '#' starts a comment. Between
// the points the altitude runs linearly in azimuth, round through north.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

class LocalHorizon {
public:
    struct Point {
        double Azimuth = 0.0;   // radians, 0..2 pi from north through east
        double Altitude = 0.0;  // radians
    };

    // At least two points, each altitude within -90..90 degrees.
    explicit LocalHorizon(std::vector<Point> points);

    // The skyline's altitude at an azimuth (radians, any turn).
    double AltitudeAt(double azimuth) const;

    double Lowest() const { return lowest_; }
    double Highest() const { return highest_; }
    const std::vector<Point>& Points() const { return points_; }

private:
    std::vector<Point> points_;  // by azimuth
    double lowest_ = 0.0, highest_ = 0.0;
};

// A line that could not be read, for the message.
struct HorizonProblem {
    int Line = 0;      // from 1
    std::string Text;  // the line as it stands
    std::string Why;
};

struct HorizonReading {
    std::optional<LocalHorizon> Horizon;   // nothing when the file is refused
    std::vector<HorizonProblem> Problems;  // the lines left out
    std::string Refusal;                   // why the file is refused
};

// Reads the text of a horizon file: bad lines are left out and named, the
// rest read; fewer than two good points refuse the file.
HorizonReading ReadLocalHorizon(std::string_view text);

}  // namespace kolvar
