// CutOperations.cpp - cut constraints of a module and their offsets.
#include "core/macro/MacroOperations.h"

#include <cmath>

#include "core/macro/Tvx_Drawing.h"

Acad::ErrorStatus getCutConstraint(const Tvx_Module* module, const Tvx_String& cutName,
                                   AcDbObjectId& constraintId) {
    const Tvx_Cut* cut = module != nullptr ? module->findCut(cutName) : nullptr;
    if (cut == nullptr) {
        return Acad::eInvalidInput;
    }
    constraintId = cut->id;
    return Acad::eOk;
}

Acad::ErrorStatus getCutConstraints(const Tvx_Module* module, Tvx_StringArray& names,
                                    AcArray<AcDbObjectId>& constraintIds) {
    if (module == nullptr) {
        return Acad::eInvalidInput;
    }
    names.removeAll();
    constraintIds.removeAll();
    for (const Tvx_Cut& cut : module->cuts()) {
        names.append(cut.name);
        constraintIds.append(cut.id);
    }
    return Acad::eOk;
}

Acad::ErrorStatus getCutOffsets(const AcDbObjectId& constraintId, AcArray<OvCutOffsetType>& kinds) {
    const Tvx_Cut* cut = openCut(constraintId);
    if (cut == nullptr) {
        return Acad::eInvalidInput;
    }
    kinds.removeAll();
    for (int k = 0; k < kCutOffsetTypeCount; ++k) {
        if (cut->offsets[k]) {
            kinds.append(static_cast<OvCutOffsetType>(k));
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus getSetCutValue(Tvx_Module* module, const AcDbObjectId& constraintId, int cutKind,
                                 double& value, bool reading) {
    Tvx_Cut* cut = module != nullptr ? module->findCut(constraintId) : nullptr;
    if (cut == nullptr || !isValidCutOffsetType(cutKind) || !cut->offsets[cutKind]) {
        return Acad::eInvalidInput;
    }
    if (reading) {
        value = *cut->offsets[cutKind];
        return Acad::eOk;
    }
    if (!std::isfinite(value)) {
        return Acad::eInvalidInput;
    }
    cut->offsets[cutKind] = value;
    return Acad::eOk;
}
