#pragma once

#include "lum/core/runtime_warning.hpp"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace lum {

// A growable array whose index access never fails hard: an index out of range
// warns and yields a spare element, reset to the default value at each such access.
template <typename T>
class Vector {
  public:
    Vector() = default;
    explicit Vector(int32_t n) { resize(n); }
    Vector(std::initializer_list<T> items) : items_(items) {}

    int32_t size() const { return static_cast<int32_t>(items_.size()); }
    bool empty() const { return items_.empty(); }

    // Element n, or the spare element (with a warning) when n is out of range.
    T& at(int32_t n) {
        if (n >= 0 && n < size())
            return items_[static_cast<std::size_t>(n)];
        runtime_warning("Vector::at", "Invalid index n={0}", "n", n);
        return spare();
    }
    // Element n, or a default value (with a warning) when n is out of range.
    const T& at(int32_t n) const {
        if (n >= 0 && n < size())
            return items_[static_cast<std::size_t>(n)];
        runtime_warning("Vector::const_at", "Invalid index n={0}", "n", n);
        return spare();
    }
    T& operator[](int32_t n) { return at(n); }
    const T& operator[](int32_t n) const { return at(n); }

    // Resizes to n elements; a negative n warns and changes nothing.
    void resize(int32_t n) {
        if (n < 0) {
            runtime_warning("Vector::resize", "Invalid parameter", "n", n);
            return;
        }
        items_.resize(static_cast<std::size_t>(n));
    }
    void push_back(const T& v) { items_.push_back(v); }
    void push_back(T&& v) { items_.push_back(std::move(v)); }
    void clear() { items_.clear(); }

    T* data() { return items_.data(); }
    const T* data() const { return items_.data(); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    static T& spare() {
        static thread_local T s{};
        s = T{};
        return s;
    }

    std::vector<T> items_;
};

} // namespace lum
