// CallChildCall.cpp - recognising "CallChild", reading its arguments, and the nesting count.
#include "standards/calc/CallChildCall.h"

#include "core/StringHelpers.h"

namespace {

// Nested calculations run on the host's one UI thread; the count is per thread all the same,
// so that independent threads (tests, tools) never see each other's chains.
thread_local int tCallChildDepth = 0;

}  // namespace

bool hasNativeFunction(const Tvx_String& expression) {
    return expression.find(kCallChildName) >= 0;
}

bool parseCallChild(const Tvx_String& expression, CallChildArgs& args, Tvx_String& reason) {
    const int name = expression.find(kCallChildName);
    const int open = name < 0 ? -1 : expression.find(L'(', name);
    const int close = open < 0 ? -1 : expression.find(L')', open);
    if (close < 0) {
        reason = L"CallChild needs \"(\" and \")\" around its arguments";
        return false;
    }
    Tvx_StringArray items;
    strToArr(expression.mid(open + 1, close - open - 1), items, L",");
    if (items.length() < 2) {
        reason = L"CallChild needs a child file and at least one variable";
        return false;
    }
    for (int i = 0; i < items.length(); ++i) {
        items[i].trim();
    }
    Tvx_String child = items[0];
    if (child.startsWith(L"\"", true)) {
        child.deleteChars(0, 1);
    }
    if (child.endsWith(L"\"", true)) {
        child.deleteChars(child.length() - 1, 1);
    }
    args.childName = child;
    args.variableNames.removeAll();
    for (int i = 1; i < items.length(); ++i) {
        args.variableNames.append(items[i]);
    }
    return true;
}

CallChildDepth::CallChildDepth() : depth_(++tCallChildDepth) {}

CallChildDepth::~CallChildDepth() {
    --tCallChildDepth;
}

int CallChildDepth::current() {
    return tCallChildDepth;
}
