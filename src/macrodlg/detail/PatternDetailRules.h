// PatternDetailRules.h - the model side of the bolt pattern dialog: the alternation pictures and
// the values its fields accept.
#pragma once

#include "core/Tvx_String.h"
#include "core/macro/MacroRecords.h"

inline constexpr int kAlternationTypes = 5;

// The picture of alternation type t (1..5): application folder + "\\icons\\BoltAlternation" + t +
// ".bmp".
Tvx_String alternationPicturePath(int type);

// Copies the edited fields into `props` when they are acceptable: counts are whole numbers of at
// least 1 (the second only for a two-direction pattern), the alternation 1..5. False, with
// `props` unchanged, otherwise.
bool storePatternFields(MacroPatternProps& props, const Tvx_String& count1,
                        const Tvx_String& count2, bool reverse1, bool reverse2, int alternation);
