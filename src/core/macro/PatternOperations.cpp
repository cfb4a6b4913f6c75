// PatternOperations.cpp - bolt patterns of a bolt module and the bolt counts of a dialog tab.
#include "core/macro/MacroOperations.h"

#include "core/macro/Tvx_Drawing.h"

namespace {

bool usable(const AcTransaction* transaction) {
    return transaction == nullptr || transaction->isOpen();
}

}  // namespace

Acad::ErrorStatus findPattern(const Tvx_Module* module, const Tvx_String& name,
                              AcDbObjectId& patternId, AcTransaction* transaction) {
    auto* bolts = dynamic_cast<const Tvx_BoltModule*>(module);
    if (bolts == nullptr || !usable(transaction)) {
        return Acad::eInvalidInput;
    }
    const Tvx_BoltPattern* pattern = const_cast<Tvx_BoltModule*>(bolts)->findPattern(name);
    if (pattern == nullptr) {
        return Acad::eInvalidInput;
    }
    patternId = pattern->id;
    return Acad::eOk;
}

Acad::ErrorStatus getPatternIds(const Tvx_Module* module, AcArray<AcDbObjectId>& patternIds) {
    auto* bolts = dynamic_cast<const Tvx_BoltModule*>(module);
    if (bolts == nullptr) {
        return Acad::eInvalidInput;
    }
    patternIds.removeAll();
    for (const Tvx_BoltPattern& pattern : bolts->patterns()) {
        patternIds.append(pattern.id);
    }
    return Acad::eOk;
}

Acad::ErrorStatus getPattern(const AcDbObjectId& patternId, const Tvx_BoltPattern*& pattern,
                             AcTransaction* transaction) {
    const Tvx_BoltPattern* found = usable(transaction) ? openBoltPattern(patternId) : nullptr;
    if (found == nullptr) {
        return Acad::eInvalidInput;
    }
    pattern = found;
    return Acad::eOk;
}

Acad::ErrorStatus getSetBoltPatternReverses(Tvx_Module* module, const AcDbObjectId& patternId,
                                            bool first, bool reading, bool& flag,
                                            AcTransaction* transaction) {
    auto* bolts = dynamic_cast<Tvx_BoltModule*>(module);
    Tvx_BoltPattern* pattern = bolts != nullptr ? bolts->findPattern(patternId) : nullptr;
    if (pattern == nullptr || !usable(transaction) || (!first && !pattern->hasSecondDirection())) {
        return Acad::eInvalidInput;
    }
    bool& reverseStart = first ? pattern->reverseStart1 : pattern->reverseStart2;
    if (reading) {
        flag = !reverseStart;
    } else {
        reverseStart = flag;
    }
    return Acad::eOk;
}

Acad::ErrorStatus getSetNrBolts(MacroTabData* tab, const Tvx_String& pattern, Tvx_String& value,
                                bool reading, bool first) {
    MacroPatternProps* props = tab != nullptr ? tab->findPatternWithName(pattern) : nullptr;
    if (props == nullptr || (!first && !props->hasSecondDirection())) {
        return Acad::eInvalidInput;
    }
    Tvx_String& count = first ? props->count1 : props->count2;
    if (reading) {
        value = count;
        return Acad::eOk;
    }
    const int number = parseBoltCount(value);
    if (number < 0) {
        return Acad::eInvalidInput;
    }
    count = Tvx_String::fromInt(number);
    return Acad::eOk;
}
