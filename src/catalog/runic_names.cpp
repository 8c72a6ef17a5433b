#include "catalog/runic_names.h"

#include <algorithm>

namespace kolvar {

namespace {

// The literal texts as written in the generated tables, fields padded to their
// source widths (Latin name 24, Bayer name 8, designation 15, runic 32).
struct RunicNameSource {
    const char* ConstellationAbbr;
    const char* LatinName;
    const char* BayerName;
    const char* FlamsteedText;
    const char* RunicName;
    const char* Hungarian;
};

struct RunicConstellationSource {
    const char* ConstellationAbbr;
    const char* RunicName;
    const char* Hungarian;
};

struct RunicGroupSource {
    const char* RunicName;
    const char* Hungarian;
};

constexpr RunicNameSource kTableA[] = {
#include "catalog/generated/runic_names_a.inc"
};
constexpr RunicNameSource kTableB[] = {
#include "catalog/generated/runic_names_b.inc"
};
constexpr RunicConstellationSource kConstellations[] = {
#include "catalog/generated/runic_constellation_names.inc"
};
constexpr RunicGroupSource kPleiades[] = {
#include "catalog/generated/runic_pleiades_names.inc"
};
constexpr RunicGroupSource kHyades[] = {
#include "catalog/generated/runic_hyades_names.inc"
};

template <std::size_t N>
std::vector<RunicNameRecord> BuildRecords(const RunicNameSource (&sources)[N]) {
    std::vector<RunicNameRecord> records;
    records.reserve(N);
    for (const RunicNameSource& s : sources) {
        records.push_back({TrimControlAndBlanks(s.ConstellationAbbr), TrimControlAndBlanks(s.LatinName),
                           TrimControlAndBlanks(s.BayerName), TrimControlAndBlanks(s.FlamsteedText),
                           TrimControlAndBlanks(s.RunicName), TrimControlAndBlanks(s.Hungarian)});
    }
    return records;
}

template <std::size_t N>
std::vector<RunicGroupName> BuildGroup(const RunicGroupSource (&sources)[N]) {
    std::vector<RunicGroupName> names;
    names.reserve(N);
    for (const RunicGroupSource& s : sources) {
        names.push_back({TrimControlAndBlanks(s.RunicName), TrimControlAndBlanks(s.Hungarian)});
    }
    return names;
}

bool Matches(const RunicNameRecord& r, std::string_view k1, std::string_view k2, std::string_view k3,
             std::string_view k4) {
    if (k4 == "Zoo") return r.LatinName == k1;
    return r.ConstellationAbbr == k4 && r.BayerName == k2 && r.FlamsteedText == k3;
}

}  // namespace

const std::array<int, 17> PleiadesHrNumbers = {1140, 1142, 1144, 1145, 1149, 1151, 1152, 1156, 1165,
                                               1172, 1178, 1180, 1183, 1185, 1188, 1221, 1222};
const std::array<int, 37> HyadesHrNumbers = {1201, 1233, 1279, 1292, 1319, 1351, 1354, 1356, 1368, 1380,
                                             1385, 1387, 1388, 1389, 1391, 1403, 1408, 1412, 1414, 1427,
                                             1428, 1430, 1432, 1436, 1459, 1472, 1473, 1479, 1480, 1507,
                                             1519, 1547, 1566, 1620, 1670, 1672, 1905};

RunicCluster RunicClusterOfStar(int constellation, int hrNumber) {
    constexpr int kTaurus = 78;
    auto listed = [hrNumber](const auto& list) { return std::ranges::find(list, hrNumber) != list.end(); };
    if (constellation != kTaurus) return RunicCluster::None;
    if (listed(PleiadesHrNumbers)) return RunicCluster::Pleiades;
    if (listed(HyadesHrNumbers)) return RunicCluster::Hyades;
    return RunicCluster::None;
}

std::string TrimControlAndBlanks(std::string_view text) {
    auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return std::string(text);
}

RunicNameTables BuildRunicNameTables() {
    RunicNameTables t;
    t.RunicNameTableA = BuildRecords(kTableA);
    t.RunicNameTableB = BuildRecords(kTableB);
    t.RunicConstellationNames.reserve(std::size(kConstellations));
    for (const RunicConstellationSource& s : kConstellations) {
        t.RunicConstellationNames.push_back({TrimControlAndBlanks(s.ConstellationAbbr),
                                             TrimControlAndBlanks(s.RunicName),
                                             TrimControlAndBlanks(s.Hungarian)});
    }
    t.PleiadesRunicNames = BuildGroup(kPleiades);
    t.HyadesRunicNames = BuildGroup(kHyades);
    return t;
}

const RunicNameTables& RunicNames() {
    static const RunicNameTables tables = BuildRunicNameTables();
    return tables;
}

void InitRunicNames() { (void)RunicNames(); }

std::string RunicStarDesignationKey(std::string_view greekLetter, int flamsteedNumber) {
    if (!TrimControlAndBlanks(greekLetter).empty() || flamsteedNumber <= 0) return {};
    return std::to_string(flamsteedNumber);
}

std::string RunicDeepSkyDesignationKey(std::string_view messierName, std::string_view ngcName) {
    std::string messier = TrimControlAndBlanks(messierName);
    return messier.empty() ? TrimControlAndBlanks(ngcName) : messier;
}

RunicNameList FindRunicNames(const RunicNameTables& tables, std::string_view k1Name, std::string_view k2Greek,
                             std::string_view k3Designation, std::string_view k4Constellation,
                             RunicCluster cluster) {
    const std::string k1 = TrimControlAndBlanks(k1Name);
    const std::string k2 = TrimControlAndBlanks(k2Greek);
    const std::string k3 = TrimControlAndBlanks(k3Designation);
    const std::string k4 = TrimControlAndBlanks(k4Constellation);

    RunicNameList list;
    auto add = [&list](const std::string& runic, const std::string& hungarian) {
        list.Names.push_back(runic);
        list.Hungarian.push_back(hungarian);
    };
    for (const RunicNameRecord& r : tables.RunicNameTableA) {
        if (Matches(r, k1, k2, k3, k4)) add(r.RunicName, r.Hungarian);
    }
    list.PrimaryCount = static_cast<int>(list.Names.size());
    for (const RunicNameRecord& r : tables.RunicNameTableB) {
        if (Matches(r, k1, k2, k3, k4)) add(r.RunicName, r.Hungarian);
    }
    for (const RunicConstellationName& c : tables.RunicConstellationNames) {
        if (c.ConstellationAbbr == k4) add(c.RunicName, c.Hungarian);
    }
    const std::vector<RunicGroupName>* group = cluster == RunicCluster::Pleiades ? &tables.PleiadesRunicNames
                                               : cluster == RunicCluster::Hyades ? &tables.HyadesRunicNames
                                                                                 : nullptr;
    if (group != nullptr) {
        for (const RunicGroupName& g : *group) add(g.RunicName, g.Hungarian);
    }
    return list;
}

RunicNameList FindRunicNames(std::string_view k1Name, std::string_view k2Greek,
                             std::string_view k3Designation, std::string_view k4Constellation,
                             RunicCluster cluster) {
    return FindRunicNames(RunicNames(), k1Name, k2Greek, k3Designation, k4Constellation, cluster);
}

}  // namespace kolvar
