// Texts.h - the numbered user-interface texts and the language list.
//
// The texts live in the table file "texts.tsv" in the application folder (gSettings.tvxDir),
// read once and again whenever that folder changes. Its first line names the columns: "Number",
// then one column per language (English first). Each further line holds a number and its texts;
// a line whose key is "Section:Name" instead of a number holds the translations of a name (see
// MacroLangs::GetString). Lines starting with "#" are comments. Cells use the table-file escapes
// (\n line feed, \t tab, \\ backslash). A missing translation falls back to English; an unknown
// number gives "#<number>" so that the gap is visible.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// Text `number` in the working language (gSettings.workLanguage).
Tvx_String dialString(int number);
// The same table: the host's name for the call in engine code.
Tvx_String string(int number);
// Text `number` in every language of MacroLangs::GetAllLanguages(), in that order.
Tvx_StringArray dialStringAllLangs(int number);
// True when the table holds text `number`.
bool hasDialString(int number);
// Forgets the loaded table; the next call reads it again. Returns whether the file can be read.
bool reloadTexts();

class MacroLangs {
  public:
    // The working language's name, e.g. "English".
    static Tvx_String GetCurLanguage();
    // Sets the working language; false when it is not among GetAllLanguages() (case-insensitive).
    static bool SetCurLanguage(const Tvx_String& language);
    // "Dutch", "English", "French", "German", and "Korean" when the text table has that column.
    static Tvx_StringArray GetAllLanguages();
    // The translation of `name` in the working language from the "section:name" entries of the
    // text table; `name` itself when there is none.
    static Tvx_String GetString(const Tvx_String& section, const Tvx_String& name);
    // Translates a compound name part by part: the name is cut at each of the characters of
    // `chopSymbols`, every part is translated with GetString("", part) and the parts are joined
    // again with the same symbols: ("WidthxHeight", "x") -> "BreedtexHoogte" in Dutch.
    static Tvx_String GetStringChopSymbols(const Tvx_String& name, const Tvx_String& chopSymbols);
    // Text `number` in the working language (as dialString).
    static Tvx_String GetString(int number);
};

extern MacroLangs gMacroLangs;
