#pragma once
// The attribute test of a criteria: "all files", or any of the ticked
// attributes.

// Standard library
#include <cstdint>
#include <string>

class CAttributeCondition {
public:
    static constexpr std::uint32_t kAllFilesBit = 0x80;

    // Derives the mask from the flags; call after loading or editing them.
    void RecomputeMask();

    // Disk form: the attribute bits of a found entry.
    bool MatchesAttributes(std::uint32_t attributes) const;
    // Listed form: the item's attribute letters ("RHSA") and its folder flag.
    bool MatchesListed(const std::string& attributesText, bool isDirectory) const;

    std::uint32_t Mask() const { return m_mask; }

    // One-byte flags, in stored order.
    std::uint8_t allFiles = 1;
    std::uint8_t readOnly = 0;
    std::uint8_t archive = 0;
    std::uint8_t hidden = 0;
    std::uint8_t system = 0;
    std::uint8_t directory = 0;

private:
    std::uint32_t m_mask = kAllFilesBit;
};
