// SettingsStoreTest.cpp - typed entries, case-blind names, lists and the text form.
#include <gtest/gtest.h>

#include "spread/sheetfiles/OvSettingsStore.h"

namespace {

constexpr wchar_t S = OvSettingsStore::kSeparator;

Tvx_String fields(std::initializer_list<const wchar_t*> parts) {
    Tvx_String text;
    for (const wchar_t* part : parts) {
        text += part;
        text += S;
    }
    return text;
}

TEST(SettingsStoreTest, EncodesEveryTypeInOrder) {
    OvSettingsStore store;
    store.setString(L"font", L"Arial Narrow");
    store.setInt(L"height", -13);
    store.setDouble(L"scale", 2.345);
    store.setLong(L"big", 2000000000L);
    store.setBool(L"colors", true);
    EXPECT_EQ(store.encode(),
              fields({L"font", L"4", L"Arial Narrow", L"height", L"2", L"-13", L"scale", L"1",
                      L"2.35", L"big", L"3", L"2000000000", L"colors", L"2", L"1"}));
}

TEST(SettingsStoreTest, RoundTripsThroughText) {
    OvSettingsStore store;
    store.setString(L"empty", L"");
    store.setString(L"text", L"a;b\tc\nd \u00e9");
    store.setInt(L"int", 42);
    store.setDouble(L"double", 2.345);
    store.setDouble(L"negative", -0.5);
    store.setLong(L"long", -7L);

    OvSettingsStore back;
    ASSERT_TRUE(back.decode(store.encode()));
    ASSERT_EQ(back.count(), store.count());
    Tvx_String text;
    EXPECT_TRUE(back.getString(L"empty", text));
    EXPECT_EQ(text, L"");
    EXPECT_TRUE(back.getString(L"text", text));
    EXPECT_EQ(text, L"a;b\tc\nd \u00e9");
    int i = 0;
    EXPECT_TRUE(back.getInt(L"int", i));
    EXPECT_EQ(i, 42);
    double d = 0;
    EXPECT_TRUE(back.getDouble(L"double", d));
    EXPECT_DOUBLE_EQ(d, 2.35);  // two decimals in the text form
    EXPECT_TRUE(back.getDouble(L"negative", d));
    EXPECT_DOUBLE_EQ(d, -0.5);
    long l = 0;
    EXPECT_TRUE(back.getLong(L"long", l));
    EXPECT_EQ(l, -7L);
    EXPECT_EQ(back.encode(), store.encode());
}

TEST(SettingsStoreTest, NamesIgnoreCaseAndReplaceInPlace) {
    OvSettingsStore store;
    store.setBool(L"Colors", false);
    store.setString(L"font", L"Tahoma");
    store.setBool(L"COLORS", true);
    ASSERT_EQ(store.count(), 2);
    EXPECT_EQ(store.entries()[0].name, L"Colors");
    bool colors = false;
    EXPECT_TRUE(store.getBool(L"colors", colors));
    EXPECT_TRUE(colors);
    EXPECT_FALSE(OvSettingsStore::sameName(L"color", L"colors"));
}

TEST(SettingsStoreTest, ReadsOfAnotherTypeFailAndKeepTheDefault) {
    OvSettingsStore store;
    store.setString(L"marginLeft", L"12");
    store.setDouble(L"ratio", 1.5);
    store.setInt(L"count", 3);

    int margin = 9;
    EXPECT_FALSE(store.getInt(L"marginLeft", margin));
    EXPECT_EQ(margin, 9);
    bool flag = true;
    EXPECT_FALSE(store.getBool(L"ratio", flag));
    EXPECT_TRUE(flag);
    Tvx_String text = L"keep";
    EXPECT_FALSE(store.getString(L"count", text));
    EXPECT_FALSE(store.getString(L"missing", text));
    EXPECT_EQ(text, L"keep");
    long l = 5;
    EXPECT_FALSE(store.getLong(L"count", l));
    EXPECT_EQ(l, 5);
}

TEST(SettingsStoreTest, ANumberReplacingAStringEmptiesIt) {
    OvSettingsStore store;
    store.setString(L"x", L"text");
    store.setInt(L"x", 7);
    EXPECT_EQ(store.entries()[0].stringValue, L"");
    EXPECT_EQ(store.encode(), fields({L"x", L"2", L"7"}));
}

TEST(SettingsStoreTest, ListsStopAtTheFirstGapAndShrinkCleanly) {
    OvSettingsStore store;
    ASSERT_TRUE(store.decode(fields({L"varNames0", L"4", L"a", L"varNames2", L"4", L"c"})));
    Tvx_StringArray names;
    EXPECT_TRUE(store.getStringList(L"varNames", names));
    EXPECT_EQ(names, Tvx_StringArray({L"a"}));

    store.setStringList(L"list", {L"1", L"2", L"3"});
    store.setStringList(L"list", {L"x"});
    Tvx_StringArray list;
    EXPECT_TRUE(store.getStringList(L"list", list));
    EXPECT_EQ(list, Tvx_StringArray({L"x"}));
    EXPECT_FALSE(store.contains(L"list1"));

    Tvx_StringArray untouched = {L"keep"};
    EXPECT_FALSE(store.getStringList(L"none", untouched));
    EXPECT_EQ(untouched, Tvx_StringArray({L"keep"}));
}

TEST(SettingsStoreTest, DecodingTellsWhetherTheTextWasWellFormed) {
    struct Case {
        const char* what;
        Tvx_String text;
        bool wellFormed;
        int entries;
    };
    const Case cases[] = {
        {"empty", L"", true, 0},
        {"one entry", fields({L"a", L"2", L"5"}), true, 1},
        {"unknown type code", fields({L"a", L"9", L"v"}), true, 1},
        {"unterminated last field", fields({L"a", L"2", L"5"}) + L"b", false, 1},
        {"incomplete entry", fields({L"a", L"2", L"5", L"b", L"2"}), false, 1},
        {"type code not a number", fields({L"a", L"x", L"5"}), false, 1},
        {"no separator at all", L"garbage", false, 0},
    };
    for (const Case& c : cases) {
        OvSettingsStore store;
        store.setInt(L"old", 1);
        EXPECT_EQ(store.decode(c.text), c.wellFormed) << c.what;
        EXPECT_EQ(store.count(), c.entries) << c.what;
        EXPECT_FALSE(store.contains(L"old")) << c.what;
    }
    OvSettingsStore unknown;
    unknown.decode(fields({L"a", L"9", L"v"}));
    EXPECT_EQ(unknown.entries()[0].type, OvSettingsStore::kNone);
    EXPECT_EQ(unknown.encode(), fields({L"a", L"0", L""}));
}

}  // namespace
