// Tvx_MacroPropsFilter.h - the macros a user may choose from the library's macro folder
// (libDir + "Macros\\"): each candidate name has a macro drawing "<name>.dwg", here a properties
// file (Tvx_PropertiesList) holding the macro's properties, and a preview picture beside it,
// "<name>.bmp" or, made by the module when that is missing, "<name>.abm". The filter narrows
// the candidates to the macros whose properties take one of the values switched on.
#pragma once

#include "core/AcArray.h"
#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

struct MergedProperty {
    Tvx_String name;
    Tvx_StringArray values;  // every value a candidate has, in first-seen order
    Tvx_Array<int> states;   // parallel to values: 1 when the value lets a macro through
};

class Tvx_MacroPropsFilter {
  public:
    // The folder of the macro drawings.
    static Tvx_String macroFolder();

    // Candidates by name; a flag false leaves its candidate out. `defaultIndex` names the
    // candidate to select first (-1: none); `second` is kept for the caller.
    void init(const Tvx_StringArray& names, const AcArray<bool>& flags, int defaultIndex,
              int second);

    // The drawings of the enabled candidates that exist, as full paths.
    Tvx_StringArray getAllDwgFiles() const;
    // Writes a preview "<drawing>.<extension>" for each drawing; false when one could not be
    // written (the others are still made).
    bool CreatePreviewBMPs(const Tvx_StringArray& drawings, const Tvx_String& extension) const;

    // The properties of all candidates, each with its values and their states (all on at first).
    const Tvx_Array<MergedProperty>& getMergedProperties() const { return merged_; }
    // Switches one value of one property on or off; false out of range.
    bool setState(int property, int value, bool on);
    // The drawings that pass: for every property, a macro's value (or a macro without it) must
    // be a value switched on.
    Tvx_StringArray getFilteredMacros() const;

    int defaultIndex() const { return defaultIndex_; }
    int second() const { return second_; }

  private:
    struct Candidate {
        Tvx_String drawing;
        Tvx_StringArray keys;
        Tvx_StringArray values;
    };
    Tvx_Array<Candidate> candidates_;
    Tvx_Array<MergedProperty> merged_;
    int defaultIndex_ = -1;
    int second_ = 0;
};

// The names shown under the thumbnails: the file names without folder and extension; when those
// with their trailing digits removed are all different, the shortened ones.
Tvx_StringArray macroDisplayNames(const Tvx_StringArray& files);
// The preview of a drawing: "<drawing>.bmp", or "<drawing>.abm" when there is no "bmp".
Tvx_String macroPreviewFile(const Tvx_String& drawing);
