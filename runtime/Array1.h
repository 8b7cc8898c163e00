// A fixed array indexed 1..N, as the programs' Pascal-style arrays are.
// Indexing outside 1..N throws std::out_of_range instead of reading past the end.
#pragma once

#include <array>
#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace rt {

template <typename T, int N>
class Array1 {
public:
    static constexpr int Low = 1;
    static constexpr int High = N;

    constexpr Array1() = default;
    // The first values in order; the rest stay value-initialised.
    Array1(std::initializer_list<T> values) {
        if (values.size() > static_cast<std::size_t>(N)) throw std::out_of_range("too many values for Array1");
        std::copy(values.begin(), values.end(), items_.begin());
    }

    T& operator[](int i) { return items_[Offset(i)]; }
    const T& operator[](int i) const { return items_[Offset(i)]; }
    static constexpr int size() { return N; }
    void Fill(const T& value) { items_.fill(value); }
    T* begin() { return items_.data(); }
    T* end() { return items_.data() + N; }
    const T* begin() const { return items_.data(); }
    const T* end() const { return items_.data() + N; }
    bool operator==(const Array1&) const = default;

private:
    static std::size_t Offset(int i) {
        if (i < 1 || i > N) throw std::out_of_range("index " + std::to_string(i) + " outside 1.." + std::to_string(N));
        return static_cast<std::size_t>(i - 1);
    }
    std::array<T, N> items_{};
};

}  // namespace rt
