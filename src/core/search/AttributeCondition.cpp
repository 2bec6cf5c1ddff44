#include "core/search/AttributeCondition.h"

// Platform
#include "platform/DirectoryLister.h"

// Standard library
#include <cctype>

void CAttributeCondition::RecomputeMask()
{
    m_mask = allFiles ? kAllFilesBit : 0;
    if (readOnly) m_mask |= platform::kAttrReadOnly;
    if (archive) m_mask |= platform::kAttrArchive;
    if (hidden) m_mask |= platform::kAttrHidden;
    if (system) m_mask |= platform::kAttrSystem;
    if (directory) m_mask |= platform::kAttrDirectory;
}

bool CAttributeCondition::MatchesAttributes(std::uint32_t attributes) const
{
    return allFiles || (m_mask & attributes) != 0;
}

bool CAttributeCondition::MatchesListed(const std::string& attributesText,
                                        bool isDirectory) const
{
    if (allFiles) return true;
    auto has = [&attributesText](char letter) {
        for (char c : attributesText)
            if (std::toupper(static_cast<unsigned char>(c)) == letter) return true;
        return false;
    };
    bool result = (readOnly && has('R')) || (archive && has('A')) || (hidden && has('H')) ||
                  (system && has('S'));
    if (directory) result = result || isDirectory;
    return result;
}
