// SpreadDialogSupport.cpp - shipped texts for the grid dialog tests.
#include "SpreadDialogSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "core/Paths.h"
#include "core/Texts.h"
#include "core/Tvx_Settings.h"

namespace spreadtest {

void useShippedTexts(std::initializer_list<int> numbers) {
    static std::set<int> added;
    std::set<int> wanted;
    for (int n : numbers) {
        if (!added.count(n)) {
            wanted.insert(n);
        }
    }
    if (wanted.empty()) {
        return;
    }
    std::ifstream shipped(std::string(OVSS_SOURCE_DIR) + "/library/texts.tsv");
    ASSERT_TRUE(shipped) << "library/texts.tsv";
    std::ofstream out(toFileSystemPath(gSettings.tvxDir + L"texts.tsv"), std::ios::app);
    std::string line;
    while (std::getline(shipped, line)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos || line.empty() || line[0] < '0' || line[0] > '9') {
            continue;
        }
        const int number = std::stoi(line.substr(0, tab));
        if (wanted.erase(number)) {
            out << line << '\n';
            added.insert(number);
        }
    }
    out.close();
    EXPECT_TRUE(wanted.empty()) << "texts missing from library/texts.tsv";
    reloadTexts();
}

}  // namespace spreadtest
