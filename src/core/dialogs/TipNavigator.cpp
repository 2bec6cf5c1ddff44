#include "core/dialogs/TipNavigator.h"

std::string TipKey(int number)
{
    return kTipKeyPrefix + std::to_string(number);
}

void TipNavigator::Next()
{
    // A stored number below -1 (a damaged setting) starts from the first tip.
    m_number = m_number < 0 ? 0 : m_number + 1;
    m_text = m_reader(TipKey(m_number));
    if (m_text.empty()) {
        m_number = 0;
        m_text = m_reader(TipKey(m_number));
    }
}

void TipNavigator::Previous()
{
    if (m_number > 0) --m_number;
    m_text = m_reader(TipKey(m_number));
}
