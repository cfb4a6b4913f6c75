// MacroDataServices.cpp - the installed standards calculator and macro selector.
#include "core/macro/MacroDataServices.h"

#include <utility>

namespace {

MacroStandardsCalculator& calculatorSlot() {
    static MacroStandardsCalculator calculator;
    return calculator;
}

MacroSelector& selectorSlot() {
    static MacroSelector selector;
    return selector;
}

}  // namespace

void setMacroStandardsCalculator(MacroStandardsCalculator calculator) {
    calculatorSlot() = std::move(calculator);
}

const MacroStandardsCalculator& macroStandardsCalculator() {
    return calculatorSlot();
}

void setMacroSelector(MacroSelector selector) {
    selectorSlot() = std::move(selector);
}

const MacroSelector& macroSelector() {
    return selectorSlot();
}
