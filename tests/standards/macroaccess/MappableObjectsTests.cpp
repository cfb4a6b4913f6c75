// MappableObjectsTests.cpp - the objects of the sample macro that the mapping editor offers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MacroAccessFixture.h"
#include "standards/macroaccess/MappableObjects.h"
#include "standards/mapping/OvSSMapping.h"

namespace {

// "module|objName|kind|visibility" per object, for one readable comparison.
std::vector<std::wstring> describe(const OvSSMapping& mapping) {
    std::vector<std::wstring> rows;
    for (const OvObjectMap& o : mapping.mappedObjects()) {
        std::wstring row = o.module.wstr() + L"|" + o.objName.wstr() + L"|" +
                           std::to_wstring(o.kind) + L"|" + std::to_wstring(o.visibility);
        if (!o.columnName.isEmpty()) {
            row += L"|" + o.columnName.wstr();
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

class MappableObjectsTest : public MacroAccessTest {};

TEST_F(MappableObjectsTest, ListsEveryObjectOfTheSampleMacro) {
    OvSSMapping mapping;
    ASSERT_EQ(initAllVarsFromMacro(mapping, dbMacro, &transaction), Acad::eOk);
    const std::vector<std::wstring> expected = {
        // EndPlate (group Plate): dialog variables, then each cut's offsets.
        L"Plate|Thickness|1|0", L"Plate|Width|1|0", L"Plate|Height|1|0", L"Plate|TopExtension|1|0",
        L"Plate|BottomExtension|1|0", L"Plate|Area|1|3", L"Plate|BeamCut|3|0", L"Plate|BeamCut|4|0",
        L"Plate|CornerCut|9|0", L"Plate|CornerCut|10|0", L"Plate|CornerCut|11|0",
        // Bolts: variables, the bolt block, then per pattern counts and reverse flags.
        L"Bolts|Pitch|1|0", L"Bolts|Gauge|1|0", L"Bolts||20|0", L"Bolts||21|0", L"Bolts|P1|16|0",
        L"Bolts|P1|18|0", L"Bolts|P1|17|0", L"Bolts|P1|19|0", L"Bolts|P2|16|0", L"Bolts|P2|18|0",
        // Stiffeners: variables, cuts, placed profiles.
        L"Stiffeners|StiffenerThickness|1|0", L"Stiffeners|StiffenerChamfer|9|0",
        L"Stiffeners|StiffenerChamfer|10|0", L"Stiffeners|StiffenerTop|14|0",
        L"Stiffeners|StiffenerBottom|14|0",
        // Base profiles with their section columns, then general variables.
        L"|Prof0|12|3", L"|Prof0|13|3", L"|Prof0;0|15|3|h", L"|Prof0;1|15|3|b", L"|Prof0;2|15|3|tw",
        L"|Prof1|12|3", L"|Prof1|13|3", L"|Prof1;0|15|3|h", L"|Prof1;1|15|3|b", L"|Prof1;2|15|3|tw",
        L"|gen_Gap|2|0", L"|gen_WeldSize|2|0", L"|gen_EdgeDistance|2|0"};
    EXPECT_EQ(describe(mapping), expected);

    // The list is appended to, not replaced.
    ASSERT_EQ(initAllVarsFromMacro(mapping, dbMacro, &transaction), Acad::eOk);
    EXPECT_EQ(mapping.mappedObjects().length(), 2 * static_cast<int>(expected.size()));
}

TEST_F(MappableObjectsTest, EveryListedObjectCanBeRead) {
    OvSSMapping mapping;
    ASSERT_EQ(initAllVarsFromMacro(mapping, dbMacro, &transaction), Acad::eOk);
    request(L"Key");
    for (const OvObjectMap& object : mapping.mappedObjects()) {
        SCOPED_TRACE(object.module + L"|" + object.objName);
        OvSSMapping single;
        OvObjectMap bound = object;
        bound.ssVar = L"V";
        single.mappedObjectsWrite().append(bound);
        OvValueType type = OvValueString;
        ASSERT_TRUE(bound.valueType(type));
        Tvx_String value;
        EXPECT_EQ(single.getMacroVarValue(L"V", type, value, record), Acad::eOk);
    }
}

TEST_F(MappableObjectsTest, NoMacroFails) {
    OvSSMapping mapping;
    EXPECT_EQ(initAllVarsFromMacro(mapping, nullptr, nullptr), Acad::eInvalidInput);
    Tvx_DbMacro withoutMacro{AcDbObjectId{}};
    EXPECT_EQ(initAllVarsFromMacro(mapping, &withoutMacro, nullptr), Acad::eInvalidInput);
    EXPECT_EQ(mapping.mappedObjects().length(), 0);
}
