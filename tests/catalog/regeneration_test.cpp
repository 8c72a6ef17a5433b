// When the public sources are installed, the committed tables must be exactly
// what the generator writes from them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path SourcesFolder() {
    if (const char* env = std::getenv("KOLVAR_SOURCES"); env != nullptr && *env != '\0') return env;
    if (const char* home = std::getenv("HOME"); home != nullptr)
        return fs::path(home) / ".cache" / "kolvar-sources";
    return {};
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(CatalogueRegeneration, CommittedTablesMatchTheGenerator) {
    const fs::path sources = SourcesFolder();
    auto missing = [&](const char* file) { return sources.empty() || !fs::is_regular_file(sources / file); };
    if (missing("yale/catalog.dat") || missing("kstars-data/usr/share/kstars/citydb.sqlite") ||
        missing("stellarium-data/usr/share/stellarium/translations/stellarium-skycultures/hu.qm")) {
        GTEST_SKIP() << "catalogue sources not installed (tools/fetch_sources.sh)";
    }
    const fs::path root = KOLVAR_SOURCE_DIR;
    const fs::path out = fs::temp_directory_path() / ("kolvar-catalogue-regen-" + std::to_string(::getpid()));
    fs::remove_all(out);
    const std::string command = "/usr/bin/python3 \"" + (root / "tools" / "generate_catalogue.py").string() +
                                "\" --quiet --sources \"" + sources.string() + "\" --out \"" + out.string() +
                                "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    // Only the tables this generator writes; other generators share the folder.
    const fs::path committed = root / "src" / "catalog" / "generated";
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(out)) {
        const fs::path kept = committed / entry.path().filename();
        ASSERT_TRUE(fs::exists(kept)) << entry.path().filename() << " is not committed";
        EXPECT_TRUE(ReadAll(kept) == ReadAll(entry.path())) << entry.path().filename() << " differs";
        ++compared;
    }
    EXPECT_GE(compared, 12);
    fs::remove_all(out);
}

// The deep catalogues' generators: each writes its files into a folder of
// its own, to be compared with the committed ones.
TEST(CatalogueRegeneration, DeepCataloguesMatchTheirGenerators) {
    const fs::path sources = SourcesFolder();
    const fs::path stars = "stellarium-data/usr/share/stellarium/stars/default/stars_3_1v0_4.cat";
    if (sources.empty() || !fs::is_regular_file(sources / stars) ||
        !fs::is_regular_file(sources / "kstars-data/usr/share/kstars/OpenNGC.kscat") ||
        !fs::is_regular_file(sources / "kstars-data/usr/share/kstars/stars.dat")) {
        GTEST_SKIP() << "deep catalogue sources not installed (tools/fetch_sources.sh)";
    }
    const fs::path root = KOLVAR_SOURCE_DIR;
    const fs::path out = fs::temp_directory_path() / ("kolvar-deep-regen-" + std::to_string(::getpid()));
    fs::remove_all(out);
    fs::create_directories(out);
    const struct {
        const char* generator;
        const char* output;                                      // the --out argument, in `out`
        std::vector<std::pair<const char*, const char*>> files;  // written, committed
    } generators[] = {
        {"generate_ngc_ic.py",
         "",
         {{"ngc_ic_objects.inc", "src/catalog/generated/ngc_ic_objects.inc"},
          {"ngc_ic_names.inc", "src/catalog/generated/ngc_ic_names.inc"}}},
        {"generate_deep_stars.py", "deep_stars.kds", {{"deep_stars.kds", "data/deep_stars.kds"}}},
    };
    for (const auto& g : generators) {
        const std::string command = "/usr/bin/python3 \"" + (root / "tools" / g.generator).string() +
                                    "\" --sources \"" + sources.string() + "\" --out \"" +
                                    (out / g.output).string() + "\" > /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        for (const auto& [written, committed] : g.files)
            EXPECT_TRUE(ReadAll(out / written) == ReadAll(root / committed)) << committed << " differs";
    }
    fs::remove_all(out);
}

}  // namespace
