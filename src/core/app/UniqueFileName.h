#pragma once
// Names for new user directories and results files: the base followed by random
// digits up to eight characters, free in the given directory.

// Standard library
#include <functional>
#include <optional>
#include <string>

inline constexpr int kUniqueFileNameTries = 1000;

// base + (8 - length of base) digits, each the first digit of a random number,
// then "." + ext when ext is not empty; the first candidate that names nothing
// in directory and that `taken`, when given, does not refuse. Gives up after
// kUniqueFileNameTries candidates.
std::optional<std::string> MakeUniqueFileName(
    const std::string& directory, const std::string& base, const std::string& ext,
    const std::function<bool(const std::string&)>& taken = {});
