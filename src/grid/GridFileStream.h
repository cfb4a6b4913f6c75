// GridFileStream.h - the streaming reader of a sheet document: builds the document except the
// cells and hands each entry of "cells" over as soon as it is complete, then forgets it, so a
// million cells load without building the whole document. Internal to the grid engine.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace ovgrid::sheetfile {

// Parses `bytes`, calling `onCell` for every cell entry; `document` receives the rest. A
// FormatError (or any exception) thrown by `onCell` stops the parse with its reason. False,
// with the reason in `error`, when the bytes are not valid JSON, not an object, nested too
// deeply or refused by `onCell`.
bool streamSheetDocument(std::string_view bytes,
                         const std::function<void(const nlohmann::json&)>& onCell,
                         nlohmann::json& document, std::string& error);

}  // namespace ovgrid::sheetfile
