// Wildcard.h - the pattern language of SEARCH, MATCH and the lookups: ? is one character,
// * any run of characters, ~ makes the next character literal. Matching ignores case.
#pragma once

#include <cstddef>
#include <string_view>

namespace ovgrid::formula {

bool hasWildcards(std::wstring_view pattern);
// True when the pattern matches all of `text`.
bool wildcardMatch(std::wstring_view pattern, std::wstring_view text);
// The first position at or after `from` where a part of `text` matches the pattern, or -1.
long wildcardSearch(std::wstring_view pattern, std::wstring_view text, std::size_t from);

}  // namespace ovgrid::formula
