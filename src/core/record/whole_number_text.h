#pragma once

#include <charconv>
#include <cstring>

namespace dossier {

// The most bytes WriteWhole writes: a long long's digits and sign.
inline constexpr std::size_t kMostWholeBytes = 20;

// Writes a whole number in plain decimal, minus sign only when negative, into room for
// kMostWholeBytes, and returns where it ends. Nearly every number written has one to three
// digits; those are written without a branch on their length, which depends on the dice
// and would be mispredicted, while the general routine counts the length first.
inline char* WriteWhole(char* at, long long value) {
    if (value < 0 || value > 999) return std::to_chars(at, at + kMostWholeBytes, value).ptr;
    const auto v = static_cast<unsigned>(value);
    // The three digits, then room for the copy below to read past them.
    const char digits[5] = {static_cast<char>('0' + v / 100), static_cast<char>('0' + v / 10 % 10),
                            static_cast<char>('0' + v % 10)};
    const unsigned length = 1U + (v >= 10) + (v >= 100);
    std::memcpy(at, digits + (3 - length), 3);  // bytes past the length are written over later
    return at + length;
}

}  // namespace dossier
