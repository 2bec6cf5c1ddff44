#include "core/folders/CutList.h"

namespace {
constexpr int kTagLength = 10;
}

std::string MakeCutTag(const std::function<int()>& random)
{
    std::string tag;
    tag.reserve(kTagLength);
    for (int i = 0; i < kTagLength; ++i) {
        unsigned number = static_cast<unsigned>(random());
        while (number >= 10) number /= 10;
        tag += static_cast<char>('0' + number);
    }
    return tag;
}

CutList& CutList::Instance()
{
    static CutList list;
    return list;
}

const std::string& CutList::Begin(std::uintptr_t owner, const std::function<int()>& random)
{
    m_paths.clear();
    m_owner = owner;
    m_moveTicket = 0;
    m_tag = MakeCutTag(random);
    return m_tag;
}

void CutList::Clear()
{
    m_paths.clear();
    m_owner = 0;
    m_tag.clear();
}
