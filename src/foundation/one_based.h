// A fixed array numbered 1..N, as categories (1..14), colour types (1..11), subcomponent and
// colour slots (1..4) and properties (1..5) are numbered in files and portraits: a[1] is the
// first element and no slot 0 sits unused in front. at() throws std::out_of_range outside 1..N;
// operator[] checks only in debug builds. Iteration visits elements 1..N in order.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace kelvo {

template <typename T, int N>
struct OneBased {
  static_assert(N > 0);
  using value_type = T;
  using iterator = typename std::array<T, N>::iterator;
  using const_iterator = typename std::array<T, N>::const_iterator;

  // Element i is items[i - 1]. Public so that a brace list fills elements 1..N in order.
  std::array<T, N> items;

  static constexpr int Count() { return N; }
  static constexpr bool Contains(std::ptrdiff_t i) { return i >= 1 && i <= N; }

  constexpr T& operator[](std::ptrdiff_t i) {
    assert(Contains(i));
    return items[static_cast<std::size_t>(i - 1)];
  }
  constexpr const T& operator[](std::ptrdiff_t i) const {
    assert(Contains(i));
    return items[static_cast<std::size_t>(i - 1)];
  }
  T& at(std::ptrdiff_t i) { return items[Checked(i)]; }
  const T& at(std::ptrdiff_t i) const { return items[Checked(i)]; }

  constexpr void fill(const T& value) { items.fill(value); }
  constexpr iterator begin() { return items.begin(); }
  constexpr iterator end() { return items.end(); }
  constexpr const_iterator begin() const { return items.begin(); }
  constexpr const_iterator end() const { return items.end(); }

  friend bool operator==(const OneBased&, const OneBased&) = default;

 private:
  static std::size_t Checked(std::ptrdiff_t i) {
    if (!Contains(i)) {
      throw std::out_of_range("element " + std::to_string(i) + " of 1.." + std::to_string(N));
    }
    return static_cast<std::size_t>(i - 1);
  }
};

}  // namespace kelvo
