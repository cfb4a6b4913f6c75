// CuttingStockListing.h - the text that lists, for every cutting-stock set, its newest stock
// and purchase files with their dates.
#pragma once

#include <cstdint>

#include "core/Tvx_String.h"
#include "dialogs/cuttingstock/DlgCSP2Data.h"

// A line of 116 dashes, then per set a line on its newest ".shp" file, an empty line, a line on
// its newest ".buy" file and a dash line again. A record without sets gives the first dash line
// only.
Tvx_String cuttingStockListing(const DlgCSP2Data& data);

// A file time (nanoseconds since the epoch) as "07 December, 2026 (14:05)", local time.
Tvx_String listingDate(std::int64_t time);
