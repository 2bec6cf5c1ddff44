#pragma once
// One size test of a criteria: equal to, greater than, smaller than or between,
// in kilobytes or megabytes.

// Standard library
#include <cstdint>

namespace SizeKind {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t Equal = 1;
inline constexpr std::uint32_t Greater = 2;
inline constexpr std::uint32_t Smaller = 3;
inline constexpr std::uint32_t Between = 4;
inline constexpr std::uint32_t Count = 5;
}  // namespace SizeKind

namespace SizeUnit {
inline constexpr std::uint32_t Kilobytes = 0;
inline constexpr std::uint32_t Megabytes = 1;
}  // namespace SizeUnit

struct CSizeCondition {
    static constexpr std::uint64_t kKilobyte = 1024;
    static constexpr std::uint64_t kMegabyte = 1048576;

    CSizeCondition() = default;
    explicit CSizeCondition(std::uint32_t sizeKind) : kind(sizeKind) {}

    // Bounds are inclusive. Sizes and scaled bounds are compared in 64 bits, so
    // files past 4 GB and bounds past 4095 MB are tested as they are.
    bool Matches(std::uint64_t sizeBytes) const;
    std::uint64_t Multiplier() const { return unit == SizeUnit::Megabytes ? kMegabyte : kKilobyte; }

    // Stored widths: four 32-bit words.
    std::uint32_t kind = SizeKind::None;
    std::uint32_t unit = SizeUnit::Kilobytes;
    std::uint32_t low = 0;
    std::uint32_t high = 1;
};
