// MappingIdentifier.cpp - drawing new mapping keys until one is free.
#include "macrodlg/edit/MappingIdentifier.h"

#include "core/StringHelpers.h"

bool newMappingIdentifier(const Tvx_StringArray& taken, Tvx_String& id,
                          const RandomTextGenerator& generator) {
    for (int attempt = 0; attempt < kMappingIdentifierAttempts; ++attempt) {
        Tvx_String candidate;
        if (!generator || !generator(candidate, kMappingIdentifierLength)) {
            return false;
        }
        if (!candidate.isEmpty() && !taken.contains(candidate, true)) {
            id = candidate;
            return true;
        }
    }
    return false;
}

bool newMappingIdentifier(const Tvx_StringArray& taken, Tvx_String& id) {
    return newMappingIdentifier(
        taken, id, [](Tvx_String& out, int length) { return generateRandomString(out, length); });
}
