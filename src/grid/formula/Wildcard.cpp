// Wildcard.cpp - wildcard matching by dynamic programming over the pattern: no recursion and
// at most pattern x text steps on any input.
#include "grid/formula/Wildcard.h"

#include <algorithm>
#include <vector>

#include "base/CaseFolding.h"

namespace ovgrid::formula {

namespace {

struct Piece {
    wchar_t c;
    enum class Kind : unsigned char { Literal, One, Many } kind;
};

std::vector<Piece> piecesOf(std::wstring_view pattern) {
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        wchar_t c = pattern[i];
        if (c == L'~' && i + 1 < pattern.size() &&
            (pattern[i + 1] == L'?' || pattern[i + 1] == L'*' || pattern[i + 1] == L'~')) {
            pieces.push_back({pattern[++i], Piece::Kind::Literal});
        } else if (c == L'?') {
            pieces.push_back({c, Piece::Kind::One});
        } else if (c == L'*') {
            pieces.push_back({c, Piece::Kind::Many});
        } else {
            pieces.push_back({ovbase::toUpperChar(c), Piece::Kind::Literal});
        }
    }
    return pieces;
}

constexpr long kNone = -1;

// For each text end j: the earliest start from which the pieces match up to j (kNone when
// none). `starts` holds the allowed starts at the beginning. One piece at a time.
std::vector<long> earliestStarts(const std::vector<Piece>& pieces, std::wstring_view text,
                                 std::vector<long> starts) {
    std::vector<long> next(text.size() + 1, kNone);
    auto better = [](long a, long b) { return a == kNone ? b : (b == kNone ? a : std::min(a, b)); };
    for (const Piece& piece : pieces) {
        long best = kNone;
        for (std::size_t j = 0; j <= text.size(); ++j) {
            switch (piece.kind) {
                case Piece::Kind::Many:
                    best = better(best, starts[j]);
                    next[j] = best;
                    break;
                case Piece::Kind::One:
                    next[j] = j > 0 ? starts[j - 1] : kNone;
                    break;
                case Piece::Kind::Literal:
                    next[j] = j > 0 && ovbase::toUpperChar(text[j - 1]) == piece.c ? starts[j - 1]
                                                                                   : kNone;
                    break;
            }
        }
        starts.swap(next);
    }
    return starts;
}

}  // namespace

bool hasWildcards(std::wstring_view pattern) {
    return pattern.find_first_of(L"?*~") != std::wstring_view::npos;
}

bool wildcardMatch(std::wstring_view pattern, std::wstring_view text) {
    std::vector<long> starts(text.size() + 1, kNone);
    starts[0] = 0;
    return earliestStarts(piecesOf(pattern), text, std::move(starts)).back() == 0;
}

long wildcardSearch(std::wstring_view pattern, std::wstring_view text, std::size_t from) {
    if (from > text.size()) {
        return kNone;
    }
    std::vector<long> starts(text.size() + 1, kNone);
    for (std::size_t j = from; j <= text.size(); ++j) {
        starts[j] = long(j);
    }
    long best = kNone;
    for (long s : earliestStarts(piecesOf(pattern), text, std::move(starts))) {
        if (s != kNone && (best == kNone || s < best)) {
            best = s;
        }
    }
    return best;
}

}  // namespace ovgrid::formula
