// Tvx_Array.h - the application's template array: a value-semantic wrapper over std::vector with
// int indices. Mutators check their index and return false (changing nothing) when it is out of
// range; at() throws std::out_of_range, operator[] is unchecked.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

template <typename T>
class Tvx_Array {
  public:
    using value_type = T;
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;

    Tvx_Array() = default;
    Tvx_Array(std::initializer_list<T> items) : items_(items) {}
    explicit Tvx_Array(std::vector<T> items) : items_(std::move(items)) {}

    int length() const { return static_cast<int>(items_.size()); }
    bool isEmpty() const { return items_.empty(); }

    // Appends and returns the new element's index.
    int append(const T& value) {
        items_.push_back(value);
        return length() - 1;
    }
    int append(T&& value) {
        items_.push_back(std::move(value));
        return length() - 1;
    }
    void append(const Tvx_Array& other) {
        items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    }
    // Inserts before `index`; index == length() appends.
    bool insertAt(int index, const T& value) {
        if (index < 0 || index > length()) {
            return false;
        }
        items_.insert(items_.begin() + index, value);
        return true;
    }
    bool removeAt(int index) {
        if (!isValid(index)) {
            return false;
        }
        items_.erase(items_.begin() + index);
        return true;
    }
    bool setAt(int index, const T& value) {
        if (!isValid(index)) {
            return false;
        }
        items_[static_cast<std::size_t>(index)] = value;
        return true;
    }
    // Removes the first element equal to `value`; false when there is none.
    bool remove(const T& value) {
        const int index = find(value);
        return index >= 0 && removeAt(index);
    }
    void removeAll() { items_.clear(); }
    // Grows (with default values) or shrinks to `n` elements; negative counts as 0.
    void setLogicalLength(int n) { items_.resize(static_cast<std::size_t>(std::max(n, 0))); }
    void reverse() { std::reverse(items_.begin(), items_.end()); }

    const T& at(int index) const {
        if (!isValid(index)) {
            throw std::out_of_range("Tvx_Array index out of range");
        }
        return items_[static_cast<std::size_t>(index)];
    }
    T& at(int index) {
        if (!isValid(index)) {
            throw std::out_of_range("Tvx_Array index out of range");
        }
        return items_[static_cast<std::size_t>(index)];
    }
    const T& operator[](int index) const { return items_[static_cast<std::size_t>(index)]; }
    T& operator[](int index) { return items_[static_cast<std::size_t>(index)]; }
    const T& first() const { return at(0); }
    const T& last() const { return at(length() - 1); }

    // Index of the first element equal to `value` at or after `start`; -1 when absent.
    int find(const T& value, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i) {
            if (items_[static_cast<std::size_t>(i)] == value) {
                return i;
            }
        }
        return -1;
    }
    bool contains(const T& value) const { return find(value) >= 0; }
    bool isValid(int index) const { return index >= 0 && index < length(); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    const std::vector<T>& vector() const { return items_; }
    std::vector<T>& vector() { return items_; }

    friend bool operator==(const Tvx_Array& a, const Tvx_Array& b) { return a.items_ == b.items_; }

  private:
    std::vector<T> items_;
};
