#pragma once

// Observing lists and their log: named lists of objects, each kept as a CSV
// file in $XDG_DATA_HOME/kolvar/lists/ (~/.local/share/kolvar/lists/ when
// the variable is unset or not an absolute path). A row names an object (as
// find takes names) with its J2000 place, and once it has been observed the
// instant, the place and a note. The files are written whole or not at all
// (appcore's file writer); a file that is not such a CSV is refused and
// never written over.
//
//   name,ra_deg,dec_deg,observed,latitude,longitude,note
//   M42,83.8221,-5.3911,2026-12-09T21:30:00Z,47.5000,19.0400,"low, but fine"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "appcore/file_writer.h"

namespace kolvar {

struct Observation {
    double JulianDay = 0.0;  // UT, kept to the second
    double Latitude = 0.0;   // degrees, north positive
    double Longitude = 0.0;  // degrees, east positive
    std::string Note;        // UTF-8
};

struct ListedObject {
    std::string Name;                      // UTF-8, as find takes names
    std::optional<double> RightAscension;  // J2000 degrees, where known
    std::optional<double> Declination;
    std::optional<Observation> Observed;
};

struct ObservingList {
    std::string Name;  // the file's name without ".csv"
    std::vector<ListedObject> Objects;
};

struct ListReading {
    std::optional<ObservingList> List;  // nothing when refused
    std::string Refusal;                // why the text is no list
    std::vector<std::string> Problems;  // rows left out: "line N: why"
};

// The list folder, and the file of a list name.
std::filesystem::path ObservingListFolder();
std::filesystem::path ObservingListPath(std::string_view name);

// Why a list name cannot be a file name ("" when it can): empty, a slash, a
// leading dot, a control character, longer than 100 bytes.
std::string ListNameProblem(std::string_view name);

// The lists in the folder, by name.
std::vector<std::string> ObservingListNames();

// Reads the CSV text of a list. The header names the columns (any order,
// any case; only "name" is required, unknown ones are skipped); a text with
// a NUL byte, bytes that are not UTF-8, an unclosed quote or no "name"
// column is refused. Rows without a name, or with numbers that do not read,
// are left out and named.
ListReading ReadObservingList(std::string_view text, std::string name);

// The CSV text of a list, as ReadObservingList reads it back.
std::string ObservingListText(const ObservingList& list);

// The list in a file; a missing file is an empty list of that name.
ListReading LoadObservingList(const std::filesystem::path& path, std::string name);

// Writes a list to a file (creating the folder), unless the file there is
// not a list: then nothing is written and the failure says why.
std::optional<WriteFailure> SaveObservingList(const std::filesystem::path& path, const ObservingList& list,
                                              WritePolicy policy);

// Adds an object unless one of that name (any case) is listed; true when added.
bool AddToList(ObservingList& list, ListedObject object);

// The index of the object named `name` (any case), if listed.
std::optional<std::size_t> FindInList(const ObservingList& list, std::string_view name);

// The object after `current` in the list's order (the first without one)
// that is not yet observed, round past the end; when every one is observed,
// simply the next. Nothing for an empty list.
std::optional<std::size_t> NextInList(const ObservingList& list, std::optional<std::size_t> current);

// "2026-12-09T21:30:00Z" for a Julian day (UT), and back; nothing for a text
// that is no such instant.
std::string ListInstantText(double julianDay);
std::optional<double> ReadListInstant(std::string_view text);

}  // namespace kolvar
