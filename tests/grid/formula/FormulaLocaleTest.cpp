// FormulaLocaleTest.cpp - a dialog application runs under the user's locale, which may write a
// decimal comma; formulas read and write numbers with a point whatever the locale.
#include <clocale>
#include <string>

#include "FormulaTestSupport.h"

namespace ovgrid::test {

TEST(FormulaLocale, NumbersIgnoreTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    MapContext grid;
    expectAll(grid, {
                        {L"=FIXED(1234.567,2)", txt(L"1,234.57")},
                        {L"=FIXED(0.5,3,TRUE)", txt(L"0.500")},
                        {L"=1.5&\"\"", txt(L"1.5")},
                        {L"=VALUE(\"2.5\")", num(2.5)},
                        {L"=\"12.5%\"*2", num(0.25)},
                    });
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace ovgrid::test
