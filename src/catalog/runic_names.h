#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

// One runic name of an object. Texts are stored trimmed (codes 0..32 removed
// at both ends). Plain texts are Windows-1250; RunicName is in the Runex23x
// mapping in reading order (the label code reverses it before drawing).
struct RunicNameRecord {
    std::string ConstellationAbbr;  // "Zoo" for the Sun, the Moon and the planets
    std::string LatinName;          // proper name; the Hungarian name for "Zoo" records
    std::string BayerName;          // Greek letter name ("alpha") or empty
    std::string FlamsteedText;      // designation key ("80", "M44") or empty
    std::string RunicName;
    std::string Hungarian;  // the Hungarian text the runic name is written from
};

struct RunicConstellationName {
    std::string ConstellationAbbr;
    std::string RunicName;
    std::string Hungarian;
};

struct RunicGroupName {
    std::string RunicName;
    std::string Hungarian;
};

struct RunicNameTables {
    std::vector<RunicNameRecord> RunicNameTableA;  // primary names
    std::vector<RunicNameRecord> RunicNameTableB;  // further names
    std::vector<RunicConstellationName> RunicConstellationNames;
    std::vector<RunicGroupName> PleiadesRunicNames;
    std::vector<RunicGroupName> HyadesRunicNames;
};

// Removes leading and trailing characters with codes 0..32.
std::string TrimControlAndBlanks(std::string_view text);

// Builds the tables from the program's literal name texts, every field trimmed.
RunicNameTables BuildRunicNameTables();

// Start-up step: builds the program's runic name tables. Calling it again has
// no effect; RunicNames() also builds them on first use.
void InitRunicNames();
const RunicNameTables& RunicNames();

enum class RunicCluster { None, Pleiades, Hyades };

// HR numbers of the members of the two clusters whose runic names a member's
// list ends with.
extern const std::array<int, 17> PleiadesHrNumbers;
extern const std::array<int, 37> HyadesHrNumbers;

// The cluster of a catalogue star, from its catalogue constellation number and
// HR number: only a star of Taurus (number 78) can belong; Pleiades first.
RunicCluster RunicClusterOfStar(int constellation, int hrNumber);

struct RunicNameList {
    std::vector<std::string> Names;      // runic texts in reading order
    std::vector<std::string> Hungarian;  // each name's Hungarian spelling (Windows-1250), same order
    int PrimaryCount = 0;                // the first PrimaryCount names come from table A
};

// The runic names of an object, from its keys (each compared trimmed and exact):
// K1 name, K2 Greek letter name, K3 designation, K4 constellation abbreviation.
// A record matches when K4 is "Zoo" and its LatinName equals K1, or when K4 is
// not "Zoo" and its ConstellationAbbr, BayerName and FlamsteedText equal K4, K2
// and K3. The list holds table A's matches, then table B's, then the runic names
// of constellation K4, then the cluster's names.
//
// K3 is the object's designation as RunicStarDesignationKey and
// RunicDeepSkyDesignationKey give it.
// The designation key K3 of a star: empty for a star with a Greek letter,
// otherwise its Flamsteed number in decimal ("80" for Alcor), or empty when it
// has none.
std::string RunicStarDesignationKey(std::string_view greekLetter, int flamsteedNumber);

// The designation key K3 of a deep-sky object: its Messier name ("M44"), or its
// NGC name when it has none ("NGC869"), both trimmed.
std::string RunicDeepSkyDesignationKey(std::string_view messierName, std::string_view ngcName);

RunicNameList FindRunicNames(const RunicNameTables& tables, std::string_view k1Name, std::string_view k2Greek,
                             std::string_view k3Designation, std::string_view k4Constellation,
                             RunicCluster cluster = RunicCluster::None);
RunicNameList FindRunicNames(std::string_view k1Name, std::string_view k2Greek,
                             std::string_view k3Designation, std::string_view k4Constellation,
                             RunicCluster cluster = RunicCluster::None);

}  // namespace kolvar
