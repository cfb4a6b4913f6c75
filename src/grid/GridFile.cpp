// GridFile.cpp - the sheet file entry points of a grid: saving, loading from a file, from bytes
// and from a sheet in memory. The format is in GridFileFormat.h, the writer in GridFileWriter,
// the readers in GridFileReader, GridFileStream and GridCellReader. Everything is read into a
// fresh grid that replaces this one's model and sheet view only when the whole file was good;
// what the host gave the grid stays.
#include <exception>

#include "base/AtomicFile.h"
#include "base/Utf8.h"
#include "grid/Grid.h"
#include "grid/GridFileReader.h"
#include "grid/GridFileWriter.h"

namespace ovgrid {

namespace {

std::wstring wide(const std::string& text) {
    return ovbase::fromUtf8(text);  // a message keeps its readable part
}

}  // namespace

bool Grid::saveToFile(const std::filesystem::path& path, int /*flag*/, std::wstring* error) const {
    std::string bytes;
    try {
        bytes = writeSheetDocument(*this);
    } catch (const std::exception& e) {
        if (error) {
            *error = L"cannot write the sheet: " + wide(e.what());
        }
        return false;
    }
    return ovbase::writeFileAtomically(path, bytes, error);
}

bool Grid::loadFromMemory(std::string_view bytes, std::wstring* error) {
    return loadBytes(bytes, bytes.size(), error);
}

bool Grid::loadBytes(std::string_view bytes, std::size_t capacity, std::wstring* error) {
    auto report = [&](const std::string& why) {
        if (error) {
            *error = L"cannot load the sheet: " + wide(why);
        }
        return false;
    };
    if (structureLocked()) {
        return report("a formula is being evaluated");
    }
    Grid fresh;
    std::string why;
    if (!GridReader::read(bytes, capacity, fresh, why)) {
        return report(why);
    }
    replaceSheet([&] { *this = std::move(fresh); });
    return true;
}

bool Grid::loadFromSheet(const Grid& sheet, std::wstring* error) {
    if (structureLocked()) {
        if (error) {
            *error = L"cannot load the sheet: a formula is being evaluated";
        }
        return false;
    }
    if (&sheet != this) {
        // Assigned member by member, so that this grid's storage is reused for the copy.
        replaceSheet([&] { *this = sheet; });
    }
    return true;
}

template <typename Assign>
void Grid::replaceSheet(Assign assign) {
    // Loading replaces the sheet, its view and its registered functions; the host's state
    // belongs to the window and stays whole.
    GridHostState host = std::move(host_);
    assign();
    host_ = std::move(host);
    evalDepth_ = 0;
    pendingAuto_.clear();
}

bool Grid::loadFromFile(const std::filesystem::path& path, std::wstring* error) {
    std::string bytes;
    if (!ovbase::readWholeFile(path, bytes, error)) {
        return false;
    }
    return loadBytes(bytes, bytes.capacity(), error);
}

}  // namespace ovgrid
