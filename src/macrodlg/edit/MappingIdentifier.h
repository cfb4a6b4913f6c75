// MappingIdentifier.h - new keys for the lines of a mapping file: 24 random letters and digits
// that no line of the file (nor any other taken key) uses yet.
#pragma once

#include <functional>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

inline constexpr int kMappingIdentifierLength = 24;
inline constexpr int kMappingIdentifierAttempts = 9999;

// Makes a random text of the given length; false when no random source is available.
using RandomTextGenerator = std::function<bool(Tvx_String&, int)>;

// A fresh identifier not in `taken` (compared exactly, as mapping keys are). False, with `id`
// unchanged, when the generator fails or every attempt collides: taking a colliding key would
// replace another macro's mapping.
bool newMappingIdentifier(const Tvx_StringArray& taken, Tvx_String& id,
                          const RandomTextGenerator& generator);
bool newMappingIdentifier(const Tvx_StringArray& taken, Tvx_String& id);
