// AcDbObjectId.h - the host's identifier of a drawing object: a 64-bit value, 0 being null.
#pragma once

#include <compare>
#include <cstdint>
#include <functional>

class AcDbObjectId {
  public:
    constexpr AcDbObjectId() = default;
    constexpr explicit AcDbObjectId(std::uint64_t value) : value_(value) {}

    constexpr bool isNull() const { return value_ == 0; }
    constexpr bool isValid() const { return value_ != 0; }
    constexpr void setNull() { value_ = 0; }
    constexpr std::uint64_t value() const { return value_; }

    constexpr auto operator<=>(const AcDbObjectId&) const = default;

    static const AcDbObjectId kNull;

  private:
    std::uint64_t value_ = 0;
};

inline constexpr AcDbObjectId AcDbObjectId::kNull{};

template <>
struct std::hash<AcDbObjectId> {
    std::size_t operator()(const AcDbObjectId& id) const noexcept {
        return std::hash<std::uint64_t>{}(id.value());
    }
};
