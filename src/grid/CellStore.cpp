// CellStore.cpp - the style table's interning.
#include "grid/CellStore.h"

#include <array>
#include <cstring>
#include <functional>
#include <tuple>
#include <type_traits>

namespace ovgrid {
namespace {

// Every field that tells two styles apart, except the two limits (compared by their bits, so
// that a NaN limit still finds its own style).
auto comparedFields(const CellStyle& s) {
    const CellType& t = s.cellType;
    return std::tie(s.hasType, s.locked, s.background, s.foreground, s.font, s.border.type,
                    s.border.style, s.border.color, t.type, t.style, t.maxLength, t.charSet, t.flag,
                    t.decimals, t.items, t.text, t.pictureName, t.pictureHandle, t.palette,
                    t.deletePicture, t.pictureType, t.checkPictures, t.checkPictureTypes,
                    t.pressedPicture, t.pressedPictureType, t.buttonType, t.shadowSize,
                    t.buttonColor);
}

std::uint64_t bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

bool sameStyle(const CellStyle& a, const CellStyle& b) {
    return bitsOf(a.cellType.minimum) == bitsOf(b.cellType.minimum) &&
           bitsOf(a.cellType.maximum) == bitsOf(b.cellType.maximum) &&
           comparedFields(a) == comparedFields(b);
}

class StyleHasher {
  public:
    template <typename T>
    void add(const T& value) {
        if constexpr (std::is_same_v<T, std::vector<std::wstring>>) {
            mix(value.size());
            for (const auto& item : value) {
                mix(std::hash<std::wstring>{}(item));
            }
        } else if constexpr (std::is_same_v<T, std::array<std::int64_t, 6>> ||
                             std::is_same_v<T, std::array<int, 6>>) {
            for (auto item : value) {
                mix(static_cast<std::size_t>(item));
            }
        } else {
            mix(std::hash<T>{}(value));
        }
    }
    void mix(std::size_t value) {
        hash_ ^= value + 0x9e3779b97f4a7c15ULL + (hash_ << 6) + (hash_ >> 2);
    }
    std::size_t result() const { return hash_; }

  private:
    std::size_t hash_ = 0;
};

std::size_t styleHash(const CellStyle& s) {
    StyleHasher hasher;
    std::apply([&](const auto&... field) { (hasher.add(field), ...); }, comparedFields(s));
    hasher.mix(bitsOf(s.cellType.minimum));
    hasher.mix(bitsOf(s.cellType.maximum));
    return hasher.result();
}

}  // namespace

StyleTable::StyleTable() {
    styles_.emplace_back();
    index_.emplace(styleHash(styles_.front()), 0);
}

std::uint32_t StyleTable::intern(CellStyle normal) {
    if (!normal.hasType) {
        normal.cellType = CellType{};
    }
    const std::size_t hash = styleHash(normal);
    auto [first, last] = index_.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        if (sameStyle(styles_[it->second], normal)) {
            return it->second;
        }
    }
    auto index = static_cast<std::uint32_t>(styles_.size());
    styles_.push_back(std::move(normal));
    index_.emplace(hash, index);
    return index;
}

std::uint32_t StyleTable::withType(std::uint32_t from, const CellType& type) {
    if (lastTypeChange_ && lastTypeChange_->from == from && lastTypeChange_->type == type) {
        return lastTypeChange_->to;
    }
    CellStyle style = styles_.at(from);
    style.hasType = true;
    style.cellType = type;
    const std::uint32_t to = intern(std::move(style));
    lastTypeChange_ = TypeChange{from, type, to};
    return to;
}

}  // namespace ovgrid
