// When the public sources are installed, the committed tables must be exactly
// what the generator writes from them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

fs::path SourcesFolder() {
    if (const char* env = std::getenv("KOLVAR_SOURCES"); env != nullptr && *env != '\0') return env;
    if (const char* home = std::getenv("HOME"); home != nullptr) return fs::path(home) / ".cache" / "kolvar-sources";
    return {};
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(CatalogueRegeneration, CommittedTablesMatchTheGenerator) {
    const fs::path sources = SourcesFolder();
    if (sources.empty() || !fs::is_regular_file(sources / "yale" / "catalog.dat")) {
        GTEST_SKIP() << "catalogue sources not installed (tools/fetch_sources.sh)";
    }
    const fs::path root = KOLVAR_SOURCE_DIR;
    const fs::path out = fs::temp_directory_path() / ("kolvar-regen-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + std::to_string(reinterpret_cast<std::uintptr_t>(&sources)));
    fs::remove_all(out);
    const std::string command = "/usr/bin/python3 \"" + (root / "tools" / "generate_catalogue.py").string() +
                                "\" --quiet --sources \"" + sources.string() + "\" --out \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const fs::path committed = root / "src" / "catalog" / "generated";
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(committed)) {
        if (entry.path().extension() != ".inc") continue;
        const fs::path fresh = out / entry.path().filename();
        ASSERT_TRUE(fs::exists(fresh)) << entry.path().filename() << " is no longer generated";
        EXPECT_TRUE(ReadAll(entry.path()) == ReadAll(fresh)) << entry.path().filename() << " differs";
        ++compared;
    }
    for (const auto& entry : fs::directory_iterator(out)) {
        EXPECT_TRUE(fs::exists(committed / entry.path().filename())) << entry.path().filename() << " not committed";
    }
    EXPECT_GE(compared, 8);
    fs::remove_all(out);
}

}  // namespace
