// CellStore.cpp - the style table's interning.
#include "grid/CellStore.h"

#include <cstring>

namespace ovgrid {
namespace {

// A byte key that differs exactly when two styles differ.
class KeyWriter {
  public:
    template <typename T>
    void pod(const T& v) {
        char bytes[sizeof(T)];
        std::memcpy(bytes, &v, sizeof(T));
        key.append(bytes, sizeof(T));
    }
    void text(const std::wstring& s) {
        pod(s.size());
        key.append(reinterpret_cast<const char*>(s.data()), s.size() * sizeof(wchar_t));
    }
    std::string key;
};

std::string styleKey(const CellStyle& s) {
    KeyWriter w;
    const CellType& t = s.cellType;
    w.pod(s.hasType);
    w.pod(s.locked);
    w.pod(s.background);
    w.pod(s.foreground);
    w.pod(s.font);
    w.pod(s.border.type);
    w.pod(s.border.style);
    w.pod(s.border.color);
    if (s.hasType) {
        w.pod(t.type);
        w.pod(t.style);
        w.pod(t.maxLength);
        w.pod(t.charSet);
        w.pod(t.flag);
        w.pod(t.decimals);
        w.pod(t.minimum);
        w.pod(t.maximum);
        w.pod(t.items.size());
        for (const auto& item : t.items) {
            w.text(item);
        }
        w.text(t.text);
        w.text(t.pictureName);
        w.pod(t.pictureHandle);
        w.pod(t.palette);
        w.pod(t.deletePicture);
        w.pod(t.pictureType);
        for (int i = 0; i < 6; ++i) {
            w.pod(t.checkPictures[i]);
            w.pod(t.checkPictureTypes[i]);
        }
        w.pod(t.pressedPicture);
        w.pod(t.pressedPictureType);
        w.pod(t.buttonType);
        w.pod(t.shadowSize);
        w.pod(t.buttonColor);
    }
    return std::move(w.key);
}

}  // namespace

StyleTable::StyleTable() {
    styles_.emplace_back();
    index_.emplace(styleKey(styles_.front()), 0);
}

std::uint32_t StyleTable::intern(const CellStyle& style) {
    CellStyle normal = style;
    if (!normal.hasType) {
        normal.cellType = CellType{};
    }
    std::string key = styleKey(normal);
    auto found = index_.find(key);
    if (found != index_.end()) {
        return found->second;
    }
    auto index = static_cast<std::uint32_t>(styles_.size());
    styles_.push_back(std::move(normal));
    index_.emplace(std::move(key), index);
    return index;
}

}  // namespace ovgrid
