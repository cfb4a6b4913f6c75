// BillFixture.h - an isolated world for bill output: the application folder (where sheet
// settings live) and the registry in a temporary folder, plus small file helpers.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/Paths.h"
#include "core/Registry.h"
#include "core/TempFolder.h"
#include "core/Tvx_Settings.h"
#include "spread/Tvx_Spread.h"
#include "spread/bill/OvSSBillOutput.h"

class BillTest : public ::testing::Test {
  protected:
    BillTest() {
        gSettings.resetForTests(temp.folder(), temp.folder());
        ::setenv("OVSS_REGISTRY", (temp.path() / "registry.json").c_str(), 1);
        OvRegistry::reload();
    }
    ~BillTest() override {
        ::unsetenv("OVSS_REGISTRY");
        OvRegistry::reload();
        gSettings.resetToDefaults();
    }

    Tvx_String file(const char* name) const { return fromFileSystemPath(temp.path() / name); }

    void writeBytes(const std::filesystem::path& path, const std::string& bytes) const {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // A 24-bit BMP of the given size, all pixels black.
    void writeBmp(const std::filesystem::path& path, int width, int height) const {
        const int rowBytes = (width * 3 + 3) / 4 * 4;
        const std::uint32_t pixels = static_cast<std::uint32_t>(rowBytes * height);
        std::string bytes = "BM";
        auto put = [&bytes](std::uint32_t value, int size) {
            for (int i = 0; i < size; ++i) {
                bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
            }
        };
        put(54 + pixels, 4);
        put(0, 4);
        put(54, 4);
        put(40, 4);
        put(static_cast<std::uint32_t>(width), 4);
        put(static_cast<std::uint32_t>(height), 4);
        put(1, 2);
        put(24, 2);
        put(0, 4);
        put(pixels, 4);
        put(2835, 4);
        put(2835, 4);
        put(0, 4);
        put(0, 4);
        bytes += std::string(pixels, '\0');
        writeBytes(path, bytes);
    }

    Tvx_String text(int col, int row) const {
        Tvx_String out;
        grid().getCellText(col, row, out);
        return out;
    }
    Tvx_Spread& grid() const { return *bill.getSSPointer(); }

    // init with the given captions and types; no settings name, no pairs.
    void start(const Tvx_StringArray& captions, const Tvx_Array<int>& types,
               const char* out = "bill.ovs") {
        ASSERT_EQ(bill.init(file(out), captions, {}, types, L"", {}, {}), Acad::eOk);
        ASSERT_NE(bill.getSSPointer(), nullptr);
    }

    TempFolder temp;
    mutable OvSSBillOutput bill;
};
