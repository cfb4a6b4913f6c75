// ObjectListAccessTests.cpp - object-list mode: a mapping line with every kind of object read on
// the sample drawing, writes through mapped objects, read-only kinds, and the request record.
#include <gtest/gtest.h>

#include "MacroAccessFixture.h"
#include "standards/mapping/OvSSMapping.h"

namespace {

// One entry of a mapping line: variable ƒ module • keyword object.
std::wstring entry(const wchar_t* ssVar, const wchar_t* module, const wchar_t* kindAndObject) {
    return std::wstring(ssVar) + L"\u0192" + module + L"\u2022" + kindAndObject;
}

}  // namespace

class ObjectListAccessTest : public MacroAccessTest {
  protected:
    void SetUp() override {
        MacroAccessTest::SetUp();
        std::wstring line = L"Key=";
        const std::wstring entries[] = {
            entry(L"T", L"Plate", L"Distance Thickness"),
            entry(L"Gap", L"", L"GenVar gen_Gap"),
            entry(L"Off", L"Plate", L"CutOffset BeamCut"),
            entry(L"Poly", L"Plate", L"CutPolyOffset BeamCut"),
            entry(L"Ch1", L"Plate", L"CutChamferOffset1 CornerCut"),
            entry(L"Rad", L"Plate", L"CutRadius CornerCut"),
            entry(L"Beam", L"", L"PrPlName Prof0"),
            entry(L"ColMat", L"", L"PrPlMaterial Prof1"),
            entry(L"Member", L"Stiffeners", L"OwnedMemberName StiffenerTop"),
            entry(L"ColB", L"", L"MemberSectionSize Prof1;2"),
            entry(L"N1", L"Bolts", L"PatternNrBolts1 P1"),
            entry(L"N2", L"Bolts", L"PatternNrBolts2 P1"),
            entry(L"R1", L"Bolts", L"PatternReverseStart1 P1"),
            entry(L"R2", L"Bolts", L"PatternReverseStart2 P1"),
            entry(L"D", L"Bolts", L"BoltsDiameter"),
            entry(L"H", L"Bolts", L"BoltsHoleOffset"),
            entry(L"Lost", L"Plate", L"Distance NoSuchVariable"),
            entry(L"Gone", L"NoSuchGroup", L"Distance Thickness"),
            entry(L"BadProf", L"", L"PrPlName ProfX"),
            entry(L"FarProf", L"", L"PrPlName Prof7"),
        };
        for (const std::wstring& e : entries) {
            line += (line.back() == L'=' ? L"" : L"\u00BF") + e;
        }
        ASSERT_EQ(mapping.initMappingFromLine(line), Acad::eOk);
        ASSERT_EQ(mapping.mappedObjects().length(), 20);
    }

    OvSSMapping mapping;
};

TEST_F(ObjectListAccessTest, ReadsEveryKind) {
    struct Case {
        const wchar_t* name;
        OvValueType type;
        bool ok;
        const wchar_t* value;
    };
    const Case cases[] = {
        {L"T", OvValueDouble, true, L"15"},
        {L"Gap", OvValueDouble, true, L"10"},
        {L"Off", OvValueDouble, true, L"10"},
        {L"Poly", OvValueDouble, true, L"2"},
        {L"Ch1", OvValueDouble, true, L"15"},
        {L"Rad", OvValueDouble, true, L"5"},
        {L"Beam", OvValueString, true, L"IPE300"},
        {L"ColMat", OvValueString, true, L"S355JR"},
        {L"Member", OvValueString, true, L"StiffenerTop"},
        {L"ColB", OvValueDouble, true, L"9"},
        {L"N1", OvValueString, true, L"2"},
        {L"N2", OvValueString, true, L"4"},
        {L"R1", OvValueInt, true, L"0"},
        {L"R2", OvValueInt, true, L"1"},
        {L"D", OvValueDouble, true, L"20"},
        {L"H", OvValueDouble, true, L"2"},
        // Failures keep the value.
        {L"T", OvValueInt, false, L"old"},  // bound to a Double object only
        {L"Lost", OvValueDouble, false, L"old"},
        {L"Gone", OvValueDouble, false, L"old"},
        {L"BadProf", OvValueString, false, L"old"},
        {L"FarProf", OvValueString, false, L"old"},
        {L"Unmapped", OvValueDouble, false, L"old"},
    };
    request(L"Key");
    for (const Case& c : cases) {
        SCOPED_TRACE(Tvx_String(c.name));
        Tvx_String value = L"old";
        EXPECT_EQ(mapping.getMacroVarValue(c.name, c.type, value, record) == Acad::eOk, c.ok);
        EXPECT_EQ(value, c.value);
    }
}

TEST_F(ObjectListAccessTest, WritesThroughMappedObjects) {
    request(L"Key");
    ASSERT_EQ(mapping.setMacroVarValue(L"T", OvValueDouble, L"18", record), Acad::eOk);
    EXPECT_DOUBLE_EQ(moduleVariable(L"EndPlate", L"Thickness"), 18.0);
    ASSERT_EQ(mapping.setMacroVarValue(L"Gap", OvValueDouble, L"7.5", record), Acad::eOk);
    EXPECT_DOUBLE_EQ(macro->generalVariableValue(L"gen_Gap"), 7.5);
    ASSERT_EQ(mapping.setMacroVarValue(L"Rad", OvValueDouble, L"6", record), Acad::eOk);
    ASSERT_EQ(mapping.setMacroVarValue(L"N1", OvValueString, L"5", record), Acad::eOk);
    EXPECT_EQ(tab(L"Bolts")->findPatternWithName(L"P1")->count1, L"5");
    ASSERT_EQ(mapping.setMacroVarValue(L"H", OvValueDouble, L"3", record), Acad::eOk);
    EXPECT_EQ(tab(L"Bolts")->boltData.holeOffset, L"3");
    ASSERT_EQ(mapping.setMacroVarValue(L"R2", OvValueInt, L"0", record), Acad::eOk);
    Tvx_String value;
    ASSERT_EQ(mapping.getMacroVarValue(L"R2", OvValueInt, value, record), Acad::eOk);
    EXPECT_EQ(value, L"0");
    ASSERT_EQ(mapping.getMacroVarValue(L"Rad", OvValueDouble, value, record), Acad::eOk);
    EXPECT_EQ(value, L"6");
}

TEST_F(ObjectListAccessTest, ReadOnlyAndMissingObjectsRefuseWriting) {
    request(L"Key");
    const std::pair<const wchar_t*, OvValueType> refused[] = {{L"Beam", OvValueString},
                                                              {L"ColMat", OvValueString},
                                                              {L"ColB", OvValueDouble},
                                                              {L"Lost", OvValueDouble},
                                                              {L"Gone", OvValueDouble}};
    for (const auto& [name, type] : refused) {
        EXPECT_EQ(mapping.setMacroVarValue(name, type, L"1", record), Acad::eInvalidInput)
            << Tvx_String(name);
    }
    EXPECT_EQ(mapping.setMacroVarValue(L"T", OvValueDouble, L"#VALUE!", record),
              Acad::eInvalidInput);
    EXPECT_DOUBLE_EQ(moduleVariable(L"EndPlate", L"Thickness"), 15.0);
}

TEST_F(ObjectListAccessTest, InitFromMacroReadsTheRequestsMappingLine) {
    writeMappingFile(L"Mapping version 1.0\nOther=X\u0192Plate\u2022Distance Width\nKey=" +
                     entry(L"W", L"Plate", L"Distance Width") + L"\n");
    OvSSMapping fromFile;
    fromFile.mappedObjectsWrite().append(OvObjectMap());  // an earlier sheet's list
    ASSERT_EQ(fromFile.initFromMacro(request(L"Key")), Acad::eOk);
    EXPECT_EQ(fromFile.mode(), OvSSMapping::ModeObjectList);
    ASSERT_EQ(fromFile.mappedObjects().length(), 1);
    EXPECT_EQ(fromFile.mappedObjects()[0].ssVar, L"W");

    struct Case {
        const char* what;
        const wchar_t* moduleName;
        bool withMacro;
    };
    const Case failing[] = {
        {"unknown key", L"Missing", true},
        {"module-group request", L"Module.Plate", true},
        {"no macro", L"Key", false},
    };
    for (const Case& c : failing) {
        SCOPED_TRACE(c.what);
        OvSSMapping unchanged;
        OvDlgStandardsData data = request(c.moduleName);
        if (!c.withMacro) {
            data.dbMacro = nullptr;
        }
        EXPECT_EQ(unchanged.initFromMacro(data), Acad::eInvalidInput);
        EXPECT_EQ(unchanged.mode(), OvSSMapping::ModeNone);
    }
}

TEST(OvDlgStandardsData, InitializeSplitsTheModuleName) {
    Tvx_DbMacro dbMacro(AcDbObjectId{});
    MacroData macroData;
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"Module.Plate", L"Plate"}, {L"Module.Plate.Left", L"Plate.Left"}, {L"EndPlateKey", L""}};
    for (const auto& [moduleName, group] : cases) {
        OvDlgStandardsData data;
        data.mode = OvDlgStandardsData::ListMode;
        ASSERT_EQ(data.initialize(&dbMacro, L"Sheet", moduleName, &macroData), Acad::eOk);
        EXPECT_EQ(data.moduleGroup, group);
        EXPECT_EQ(data.moduleName, moduleName);
        EXPECT_EQ(data.mode, OvDlgStandardsData::MacroMode);
        const OvDlgStandardsData copy = data;  // copies share the caller's objects
        EXPECT_EQ(copy.dbMacro, &dbMacro);
        EXPECT_EQ(copy.macroData, &macroData);
    }

    OvDlgStandardsData data;
    data.ssFile = L"Kept";
    EXPECT_EQ(data.initialize(nullptr, L"Sheet", L"Module.Plate", &macroData), Acad::eInvalidInput);
    EXPECT_EQ(data.initialize(&dbMacro, L"Sheet", L"Module.Plate", nullptr), Acad::eInvalidInput);
    EXPECT_EQ(data.ssFile, L"Kept");
    EXPECT_TRUE(data.moduleGroup.isEmpty());
}
