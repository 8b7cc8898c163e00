// A fixed array indexed 1..N, as the program's Pascal-style arrays are, with
// checked indexing (an index outside 1..N throws std::out_of_range).
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace ostrimo {

template <typename T, std::size_t N>
struct Array1 {
    std::array<T, N> items{};

    static constexpr int Low() { return 1; }
    static constexpr int High() { return static_cast<int>(N); }

    T& operator[](int i) { return items[slot(i)]; }
    const T& operator[](int i) const { return items[slot(i)]; }

    bool operator==(const Array1&) const = default;

private:
    static std::size_t slot(int i) {
        if (i < 1 || i > static_cast<int>(N))
            throw std::out_of_range("index " + std::to_string(i) + " outside 1.." + std::to_string(N));
        return static_cast<std::size_t>(i - 1);
    }
};

}  // namespace ostrimo
