#include "core/search/SizeCondition.h"

bool CSizeCondition::Matches(std::uint64_t sizeBytes) const
{
    const std::uint64_t lowBytes = low * Multiplier();
    const std::uint64_t highBytes = high * Multiplier();
    switch (kind) {
    case SizeKind::None: return true;
    case SizeKind::Equal: return sizeBytes == lowBytes;
    case SizeKind::Greater: return sizeBytes >= lowBytes;
    case SizeKind::Smaller: return sizeBytes <= highBytes;
    case SizeKind::Between: return lowBytes <= sizeBytes && sizeBytes <= highBytes;
    default: return false;
    }
}
