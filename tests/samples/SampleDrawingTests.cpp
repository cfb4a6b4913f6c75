// SampleDrawingTests.cpp - the sample drawing fits the sample standards: every object a
// standard's mapping names exists in the macro of the same name, so a macro-mode calculation
// reads and writes real objects instead of warning about missing ones.
#include <gtest/gtest.h>

#include "SampleLibrary.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/macro/Tvx_Macro.h"
#include "core/macro/Tvx_Module.h"
#include "standards/mapping/OvSSMapping.h"

namespace {

const Tvx_DbMacro* findMacro(const Tvx_Drawing& drawing, const Tvx_String& name) {
    for (const auto& dbMacro : drawing.macros()) {
        if (dbMacro->macro() != nullptr && dbMacro->macro()->name().equal(name, false)) {
            return dbMacro.get();
        }
    }
    return nullptr;
}

// Whether some module of the macro's group `group` holds the object.
bool groupHolds(const Tvx_Macro& macro, const OvObjectMap& object) {
    for (int i = 0; i < macro.moduleCount(); ++i) {
        const Tvx_Module* module = macro.module(i);
        if (!module->groupKey().equal(object.module, false)) {
            continue;
        }
        const auto* bolts = dynamic_cast<const Tvx_BoltModule*>(module);
        switch (object.kind) {
            case OvMapDistance:
                if (module->findVariable(object.objName) != nullptr) {
                    return true;
                }
                break;
            case OvMapBoltsDiameter:
            case OvMapBoltsHoleOffset:
                if (bolts != nullptr) {
                    return true;
                }
                break;
            case OvMapPatternNrBolts1:
            case OvMapPatternNrBolts2:
                if (bolts != nullptr) {
                    for (const Tvx_BoltPattern& pattern : bolts->patterns()) {
                        if (pattern.name.equal(object.objName, false) &&
                            (object.kind == OvMapPatternNrBolts1 || pattern.hasSecondDirection())) {
                            return true;
                        }
                    }
                }
                break;
            default:
                break;
        }
    }
    return false;
}

struct DrawingCase {
    const wchar_t* ssName;
    const wchar_t* key;  // also the macro's name
};

class SampleDrawing : public SampleLibrary, public ::testing::WithParamInterface<DrawingCase> {};

TEST_P(SampleDrawing, HoldsEveryMappedObject) {
    const DrawingCase& c = GetParam();
    Tvx_Drawing drawing;
    Tvx_String error;
    ASSERT_TRUE(drawing.loadFromFile(
        Tvx_String::fromUtf8((kSampleLibrary / "Drawings" / "sample.json").string()), error))
        << error.toUtf8();
    const Tvx_DbMacro* dbMacro = findMacro(drawing, c.key);
    ASSERT_NE(dbMacro, nullptr);

    OvSSMapping mapping;
    ASSERT_EQ(mapping.getMappingFromFile(c.ssName, c.key), Acad::eOk);
    ASSERT_GT(mapping.mappedObjects().length(), 0);
    for (const OvObjectMap& object : mapping.mappedObjects()) {
        SCOPED_TRACE(object.ssVar.toUtf8());
        if (object.kind == OvMapGenVar) {
            EXPECT_TRUE(drawing.generalVariables().contains(object.objName));
        } else if (object.kind == OvMapPrPlName) {
            const int number = Tvx_String(object.objName.mid(4)).toInt();
            EXPECT_LT(number, dbMacro->baseProfileIds().length());
        } else {
            EXPECT_TRUE(groupHolds(*dbMacro->macro(), object));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Library, SampleDrawing,
                         ::testing::Values(DrawingCase{L"EndPlateBeamColumn",
                                                       L"EndPlateBeamToColumn"},
                                           DrawingCase{L"BasePlate", L"BasePlate"},
                                           DrawingCase{L"FinPlate", L"FinPlate"}));

// In module-group mode the base plate reads its column from the placement named "Column".
TEST_F(SampleLibrary, BasePlateGroupPlacesTheColumn) {
    Tvx_Drawing drawing;
    Tvx_String error;
    ASSERT_TRUE(drawing.loadFromFile(
        Tvx_String::fromUtf8((kSampleLibrary / "Drawings" / "sample.json").string()), error));
    const Tvx_DbMacro* dbMacro = findMacro(drawing, L"BasePlate");
    ASSERT_NE(dbMacro, nullptr);
    bool placed = false;
    for (int i = 0; i < dbMacro->macro()->moduleCount(); ++i) {
        const Tvx_Module* module = dbMacro->macro()->module(i);
        const auto* profiles = dynamic_cast<const Tvx_ProfileModule*>(module);
        if (profiles != nullptr && module->groupKey().equal(L"BasePlate", false)) {
            for (const Tvx_Profile& profile : profiles->profiles()) {
                placed = placed || profile.memberName.equal(L"Column", false);
            }
        }
    }
    EXPECT_TRUE(placed);
}

}  // namespace
