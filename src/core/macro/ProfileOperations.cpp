// ProfileOperations.cpp - placed and base profiles: lookup, section names and materials.
#include "core/macro/MacroOperations.h"

#include "core/macro/Tvx_Drawing.h"

namespace {

const Tvx_Profile* openReadable(const AcDbObjectId& id, const AcTransaction* transaction) {
    if (transaction != nullptr && !transaction->isOpen()) {
        return nullptr;
    }
    return openProfile(id);
}

}  // namespace

Acad::ErrorStatus getNamedPrpl(const Tvx_Module* module, const Tvx_String& memberName,
                               AcDbObjectId& profileId) {
    auto* profiles = dynamic_cast<const Tvx_ProfileModule*>(module);
    const Tvx_Profile* found =
        profiles != nullptr ? const_cast<Tvx_ProfileModule*>(profiles)->findProfile(memberName)
                            : nullptr;
    if (found == nullptr) {
        return Acad::eInvalidInput;
    }
    profileId = found->id;
    return Acad::eOk;
}

Acad::ErrorStatus getBaseProf(const Tvx_DbMacro* dbMacro, int n, AcDbObjectId& profileId) {
    if (dbMacro == nullptr || !dbMacro->baseProfileIds().isValid(n)) {
        return Acad::eInvalidInput;
    }
    profileId = dbMacro->baseProfileIds()[n];
    return Acad::eOk;
}

Acad::ErrorStatus mapBaseProfIds(const Tvx_DbMacro* dbMacro, AcArray<AcDbObjectId>& profileIds) {
    if (dbMacro == nullptr) {
        return Acad::eInvalidInput;
    }
    profileIds = dbMacro->baseProfileIds();
    return Acad::eOk;
}

Acad::ErrorStatus getSectionName(const AcDbObjectId& profileId, Tvx_String& sectionName,
                                 AcTransaction* transaction) {
    const Tvx_Profile* profile = openReadable(profileId, transaction);
    if (profile == nullptr) {
        return Acad::eInvalidInput;
    }
    sectionName = profile->sectionName;
    return Acad::eOk;
}

Acad::ErrorStatus getMaterial(const AcDbObjectId& profileId, Tvx_String& material,
                              AcTransaction* transaction) {
    const Tvx_Profile* profile = openReadable(profileId, transaction);
    if (profile == nullptr) {
        return Acad::eInvalidInput;
    }
    material = profile->material;
    return Acad::eOk;
}

int getDlgOffsetType(const MacroProfData& data) {
    return isValidCutOffsetType(data.offsetType) ? data.offsetType : -1;
}
