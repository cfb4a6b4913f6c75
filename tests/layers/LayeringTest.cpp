// LayeringTest.cpp - the include rules of the source tree: a file includes only from its own
// folder and the folders below it in the order of layers, and only src/ui and the studio
// include Qt. A wrong include is reported with its file and line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Folders = std::set<std::string>;

// What each top folder of src/ (and each program) may include besides itself. Folders on
// the same level (designer, seclib, registry, dialogs) do not include each other.
const std::map<std::string, Folders>& allowedIncludes() {
    static const Folders engineBase{"base", "host", "grid", "core"};
    static const Folders subsystems{"base",     "host",      "grid",     "core",
                                    "spread",   "standards", "designer", "seclib",
                                    "registry", "dialogs",   "macrodlg"};
    static const std::map<std::string, Folders> rules = [] {
        std::map<std::string, Folders> r;
        r["base"] = {};
        r["host"] = {"base"};
        r["grid"] = {"base"};
        r["core"] = {"base", "host"};
        r["spread"] = engineBase;
        r["standards"] = {"base", "host", "grid", "core", "spread"};
        r["designer"] = engineBase;
        r["seclib"] = {"base", "host", "grid", "core", "spread"};
        r["registry"] = engineBase;
        r["dialogs"] = {"base", "host", "grid", "core", "spread"};
        r["macrodlg"] = {"base",      "host",     "grid",   "core",   "spread",
                         "standards", "designer", "seclib", "dialogs"};
        r["ui"] = subsystems;
        Folders frame = subsystems;
        frame.insert("ui");
        r["frame"] = frame;
        // The command-line tool is engine only: the frame's start-up, never the dialogs.
        Folders tool = subsystems;
        tool.insert("frame");
        r["apps/ovss"] = tool;
        r["apps/studio"] = frame;
        return r;
    }();
    return rules;
}

// Files that may include Qt headers.
bool mayUseQt(const std::string& layer) {
    return layer == "ui" || layer == "apps/studio";
}

struct SourceFile {
    fs::path path;
    std::string layer;
};

std::vector<SourceFile> sourceFiles() {
    const fs::path root = OVSS_SOURCE_DIR;
    std::vector<SourceFile> files;
    auto collect = [&](const fs::path& dir, auto layerOf) {
        for (const auto& entry : fs::recursive_directory_iterator(dir)) {
            const auto ext = entry.path().extension();
            if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h")) {
                files.push_back({entry.path(), layerOf(entry.path())});
            }
        }
    };
    collect(root / "src",
            [&](const fs::path& p) { return fs::relative(p, root / "src").begin()->string(); });
    collect(root / "apps" / "ovss", [](const fs::path&) { return std::string("apps/ovss"); });
    collect(root / "apps" / "studio", [](const fs::path&) { return std::string("apps/studio"); });
    return files;
}

// Every rule broken by one file, as "file:line: reason".
std::vector<std::string> violations(const SourceFile& file) {
    static const std::regex quoted(R"re(^\s*#\s*include\s+"([^"/]+)/[^"]*")re");
    static const std::regex angled(R"re(^\s*#\s*include\s+<(Q[A-Za-z]+)[/>])re");
    const auto& rules = allowedIncludes();
    std::vector<std::string> found;
    const auto rule = rules.find(file.layer);
    if (rule == rules.end()) {
        found.push_back(file.path.string() + ": folder '" + file.layer +
                        "' has no place in the order of layers");
        return found;
    }
    std::ifstream in(file.path);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::smatch match;
        const std::string where = file.path.string() + ":" + std::to_string(number) + ": ";
        if (std::regex_search(line, match, quoted)) {
            const std::string target = match[1];
            const bool own = file.layer == target || file.layer == "apps/" + target;
            if (!own && rule->second.count(target) == 0) {
                found.push_back(where + file.layer + " may not include " + target);
            }
        } else if (std::regex_search(line, match, angled) && !mayUseQt(file.layer)) {
            found.push_back(where + "Qt header in an engine file");
        }
    }
    return found;
}

}  // namespace

TEST(Layering, EveryIncludePointsDownTheOrderOfLayers) {
    const auto files = sourceFiles();
    ASSERT_GT(files.size(), 100u) << "source tree not found under " << OVSS_SOURCE_DIR;
    std::vector<std::string> all;
    for (const auto& file : files) {
        for (auto& v : violations(file)) {
            all.push_back(std::move(v));
        }
    }
    std::string report;
    for (const auto& v : all) {
        report += v + "\n";
    }
    EXPECT_TRUE(all.empty()) << report;
}

TEST(Layering, ReportsAnUpwardASidewaysAndAQtInclude) {
    const fs::path dir = fs::temp_directory_path() / "ovss-layering-test";
    fs::create_directories(dir);
    const fs::path probe = dir / "Probe.cpp";
    {
        std::ofstream out(probe);
        out << "#include \"core/Tvx_String.h\"\n"             // down: fine for the designer
            << "#include \"standards/OvValueType.h\"\n"       // up
            << "#include \"seclib/Tvx_ProfValuesTable.h\"\n"  // sideways
            << "#include <QWidget>\n";                        // Qt in the engine
    }
    const auto found = violations({probe, "designer"});
    fs::remove_all(dir);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_NE(found[0].find(":2: designer may not include standards"), std::string::npos);
    EXPECT_NE(found[1].find(":3: designer may not include seclib"), std::string::npos);
    EXPECT_NE(found[2].find(":4: Qt header"), std::string::npos);
}
