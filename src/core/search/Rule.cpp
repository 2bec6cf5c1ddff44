#include "core/search/Rule.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

namespace {

constexpr char kValueCopyDestination[] = "Copy Destination";
constexpr char kValueMoveDestination[] = "Move Destination";
constexpr char kValueEnabled[] = "Enabled";
constexpr char kValueCopy[] = "Copy";
constexpr char kValueMove[] = "Move";
constexpr char kValueDelete[] = "Delete";
constexpr char kValueShowWindow[] = "Show Window";
constexpr int kByteWidth = 1;

constexpr char kLineEnd[] = "\r\n";
constexpr char kRuleLine[] = "===================";
constexpr char kAlwaysText[] = "Always";
constexpr char kFindText[] = "Find these file types:";
constexpr char kCopyText[] = "Copy it to ";
constexpr char kMoveText[] = "Move it to ";
constexpr char kDeleteText[] = "Delete it ";
constexpr char kNothingText[] = "Do nothing.";

}  // namespace

void CRule::LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    CReport::LoadFrom(store, keyName, sectionId);
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId);
    if (!key) return;
    m_copy.destination = key->ReadText(kValueCopyDestination, "");
    m_move.destination = key->ReadText(kValueMoveDestination, "");
    std::uint8_t enabled = Enabled() ? 1 : 0;
    key->ReadByte(kValueEnabled, enabled);
    SetEnabled(enabled != 0);
    key->ReadByte(kValueCopy, m_copy.enabled);
    key->ReadByte(kValueMove, m_move.enabled);
    key->ReadByte(kValueDelete, m_delete.enabled);
    key->ReadByte(kValueShowWindow, m_showWindow);
}

void CRule::SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    CReport::SaveTo(store, keyName, sectionId);
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId);
    if (!key) return;
    key->WriteText(kValueCopyDestination, m_copy.destination);
    key->WriteText(kValueMoveDestination, m_move.destination);
    key->WriteNumber(kValueEnabled, Enabled() ? 1 : 0, kByteWidth);
    key->WriteNumber(kValueCopy, m_copy.enabled, kByteWidth);
    key->WriteNumber(kValueMove, m_move.enabled, kByteWidth);
    key->WriteNumber(kValueDelete, m_delete.enabled, kByteWidth);
    key->WriteNumber(kValueShowWindow, m_showWindow, kByteWidth);
}

std::string CRule::Description() const
{
    const std::string rule = std::string(kRuleLine) + kLineEnd;
    std::string text;
    if (CriteriaCount() == 0) {
        text = std::string(kAlwaysText) + kLineEnd + rule;
    } else {
        text = std::string(kFindText) + kLineEnd + rule;
        for (int i = 0; i < CriteriaCount(); ++i) {
            const CCondition& criteria = *CriteriaAt(i);
            text += (i + 1 < CriteriaCount() ? criteria.Description() : criteria.Name()) + kLineEnd;
        }
        text += rule + kAndText + kLineEnd + rule;
    }
    if (m_copy.On()) text += kCopyText + m_copy.destination + kLineEnd;
    if (m_move.On()) text += kMoveText + m_move.destination + kLineEnd;
    if (m_delete.On()) text += kDeleteText;
    if (HasNoAction()) text += kNothingText;
    return text;
}

CRuleList::CRuleList(CSettingsStore& store) : CObjectList(store, nullptr, SectionId::Rules, kMaxRules) {}

void CRuleList::LoadAll()
{
    DeleteAll();
    LoadEntries([] { return std::make_unique<CRule>(); });
    while (Count() > kMaxRules) RemoveAt(Count() - 1, true);
}

CRule* CRuleList::AddRule(std::unique_ptr<CRule> rule)
{
    if (IsFull()) return nullptr;
    return static_cast<CRule*>(Add(std::move(rule)));
}

CRule* CRuleList::RuleAt(int index) const { return static_cast<CRule*>(At(index)); }

std::unique_ptr<CRule> CRuleList::MakeRule() const
{
    return std::make_unique<CRule>(MakeUniqueName(kRuleNameBase));
}
