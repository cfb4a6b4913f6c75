// CuttingStockListing.cpp - the listing of the newest set files.
#include "dialogs/cuttingstock/CuttingStockListing.h"

#include <ctime>
#include <cwchar>

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Texts.h"
#include "dialogs/cuttingstock/CuttingStockFiles.h"

namespace {

constexpr int kDashCount = 116;
constexpr int kTextNoFile = 633;
constexpr int kTextSet = 634;
constexpr int kTextNewest = 635;
constexpr int kTextSaved = 636;

Tvx_String fileLine(const Tvx_String& setName, const Tvx_String& extension) {
    const Tvx_String start = dialString(kTextSet) + L" \"" + setName + L"\": ";
    const Tvx_String folder = cuttingStockFolder(setName);
    const Tvx_String newest = folder.isEmpty() ? Tvx_String() : newestSetFile(folder, extension);
    std::int64_t time = 0;
    if (newest.isEmpty() || !getFileTime(newest, time)) {
        return start + dialString(kTextNoFile) + L" (*." + extension + L")";
    }
    return start + dialString(kTextNewest) + L" " + getFileName(newest) + L", " +
           dialString(kTextSaved) + L" " + listingDate(time);
}

}  // namespace

Tvx_String listingDate(std::int64_t time) {
    const std::time_t seconds = static_cast<std::time_t>(time / 1000000000);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return {};
    }
    wchar_t text[64] = {};
    if (std::wcsftime(text, 64, L"%d %B, %Y (%H:%M)", &local) == 0) {
        return {};
    }
    return Tvx_String(text);
}

Tvx_String cuttingStockListing(const DlgCSP2Data& data) {
    const Tvx_String dashes(static_cast<std::size_t>(kDashCount), L'-');
    Tvx_String text = dashes;
    const int count = data.setIds.length() < data.setNames.length() ? data.setIds.length()
                                                                    : data.setNames.length();
    for (int i = 0; i < count; ++i) {
        text += L"\n" + fileLine(data.setNames[i], kStockExtension);
        text += L"\n\n" + fileLine(data.setNames[i], kPurchaseExtension);
        text += L"\n" + dashes;
    }
    return text;
}
