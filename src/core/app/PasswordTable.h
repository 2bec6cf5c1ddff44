#pragma once
// The byte substitution that scrambles stored passwords. The table is its own
// inverse: the same pass scrambles and unscrambles.

// Standard library
#include <array>
#include <cstdint>
#include <string>

// Stored in place of an empty password.
inline constexpr char kPasswordFillWord[] = "Malvora";

// Built once, at first use.
const std::array<std::uint8_t, 256>& PasswordTable();

// Every byte through the table.
std::string ScramblePassword(const std::string& text);
