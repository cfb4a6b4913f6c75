// ComIdentifiers.h - the identifiers of the application's COM module: its type library, the
// classes and the interfaces whose registration this module writes, removes and lists, in the
// fixed order every registry function walks them.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/Tvx_String.h"

// A 128-bit COM identifier in the system's field layout.
struct ComGuid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::array<std::uint8_t, 8> data4;
};

struct ComNamedId {
    const wchar_t* name;
    ComGuid id;
};

// The system's identifier text: upper-case hexadecimal in braces, groups of 8-4-4-4-12 digits.
Tvx_String comGuidToString(const ComGuid& id);

const ComGuid& comTypeLibraryId();
inline constexpr const wchar_t* kComTypeLibraryVersion = L"1.1";
inline constexpr const wchar_t* kComTypeLibraryDescription = L"Orvane 1.0 Type Library";
// The standard automation proxy every interface is marshalled by.
inline constexpr const wchar_t* kAutomationProxyStubClsid =
    L"{00020424-0000-0000-C000-000000000046}";
// The COM module's file name; it lies in the same folder as this module.
inline constexpr const wchar_t* kComModuleFileName = L"Qmod.arx";

std::span<const ComNamedId> comClasses();     // 19 classes
std::span<const ComNamedId> comInterfaces();  // 14 interfaces
