// VarDeclarationTests.cpp - which cell texts declare a variable, with which type and name.
#include <gtest/gtest.h>

#include "standards/variables/VarDeclaration.h"

TEST(VarDeclaration, RecognisesKeywordsAtTheStart) {
    struct Case {
        const wchar_t* text;
        bool declares;
        OvValueType type;
        const wchar_t* name;
    };
    const Case cases[] = {
        {L"Int Count", true, OvValueInt, L"Count"},
        {L"Integer Count", true, OvValueInt, L"Count"},  // the test looks at the start only
        {L"Double", true, OvValueDouble, L""},           // a bare keyword: empty name
        {L"Double Thickness", true, OvValueDouble, L"Thickness"},
        {L"   String Column", true, OvValueString, L"Column"},
        {L"Double  Width  ", true, OvValueDouble, L"Width"},
        {L"String\tName", true, OvValueString, L"Name"},
        {L"Output", false, OvValueString, L""},
        {L"Note: Double Width", false, OvValueString, L""},
        {L"double Width", false, OvValueString, L""},  // keywords are spelled as declared
        {L"", false, OvValueString, L""},
    };
    for (const Case& c : cases) {
        VarDeclaration declaration;
        ASSERT_EQ(parseVarDeclaration(c.text, declaration), c.declares) << Tvx_String(c.text);
        if (c.declares) {
            EXPECT_EQ(declaration.valueType, c.type) << Tvx_String(c.text);
            EXPECT_EQ(declaration.name, c.name) << Tvx_String(c.text);
        }
    }
}
