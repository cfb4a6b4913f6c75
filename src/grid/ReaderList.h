// ReaderList.h - the formula cells reading one cell. Most cells are read by one or two
// formulas: those are held in place, without an allocation; more go into a heap array.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

#include "grid/CellStore.h"

namespace ovgrid {

class ReaderList {
  public:
    ReaderList() = default;
    ReaderList(const ReaderList& other) { assign(other.begin(), other.size_); }
    ReaderList& operator=(const ReaderList& other) {
        if (this != &other) {
            ReaderList copy(other);
            swap(copy);
        }
        return *this;
    }
    ReaderList(ReaderList&& other) noexcept { swap(other); }
    ReaderList& operator=(ReaderList&& other) noexcept {
        swap(other);
        return *this;
    }
    ~ReaderList() {
        if (onHeap()) {
            delete[] keys_.heap;
        }
    }

    void push_back(CellKey key) {
        if (size_ == capacity()) {
            grow();
        }
        data()[size_++] = key;
    }
    // Takes one entry equal to `key` away (the last entry takes its place); false when none.
    bool eraseOne(CellKey key) {
        CellKey* keys = data();
        CellKey* found = std::find(keys, keys + size_, key);
        if (found == keys + size_) {
            return false;
        }
        *found = keys[--size_];
        return true;
    }
    bool empty() const { return size_ == 0; }
    std::uint32_t size() const { return size_; }
    const CellKey* begin() const { return onHeap() ? keys_.heap : keys_.inPlace; }
    const CellKey* end() const { return begin() + size_; }

  private:
    static constexpr std::uint32_t kInline = 2;

    bool onHeap() const { return heapCapacity_ != 0; }
    std::uint32_t capacity() const { return onHeap() ? heapCapacity_ : kInline; }
    CellKey* data() { return onHeap() ? keys_.heap : keys_.inPlace; }
    void grow() {
        const std::uint32_t capacity = this->capacity() * 2;
        auto keys = std::make_unique<CellKey[]>(capacity);
        std::copy(data(), data() + size_, keys.get());
        if (onHeap()) {
            delete[] keys_.heap;
        }
        keys_.heap = keys.release();
        heapCapacity_ = capacity;
    }
    void assign(const CellKey* keys, std::uint32_t count) {
        for (std::uint32_t i = 0; i < count; ++i) {
            push_back(keys[i]);
        }
    }
    void swap(ReaderList& other) noexcept {
        std::swap(size_, other.size_);
        std::swap(heapCapacity_, other.heapCapacity_);
        std::swap(keys_, other.keys_);  // the in-place keys or the heap pointer, as they are
    }

    std::uint32_t size_ = 0;
    std::uint32_t heapCapacity_ = 0;  // 0 while the keys are held in place
    union Keys {
        CellKey inPlace[kInline];
        CellKey* heap;
    };
    Keys keys_{};
};

}  // namespace ovgrid
