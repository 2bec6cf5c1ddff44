#include "core/frame/BarState.h"

// Core
#include "core/app/RegistryKey.h"
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

namespace {

constexpr std::int32_t kLastSide = 3;
// Larger than any screen of the time, and far from overflowing a rectangle.
constexpr std::int32_t kMaxCoordinate = 0x8000;

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) { return value >= low && value <= high; }

}  // namespace

std::string BarKeyName(unsigned barId) { return "Bar" + std::to_string(barId); }

void SaveBarState(CSettingsStore& store, unsigned barId, const BarState& state)
{
    CRegistryKey* section = store.SectionKey(SectionId::Toolbars);
    if (!section || !section->IsOpen()) return;
    CRegistryKey key(section->Registry(), section->Handle(), BarKeyName(barId));
    if (!key.IsOpen()) return;
    key.WriteNumber("Side", static_cast<std::uint32_t>(state.side), 4);
    key.WriteNumber("Floating", state.floating ? 1 : 0, 4);
    key.WriteNumber("Visible", state.visible ? 1 : 0, 4);
    key.WriteNumber("Size", static_cast<std::uint32_t>(state.size), 4);
    key.WriteNumber("Left", static_cast<std::uint32_t>(state.floatRect.left), 4);
    key.WriteNumber("Top", static_cast<std::uint32_t>(state.floatRect.top), 4);
    key.WriteNumber("Right", static_cast<std::uint32_t>(state.floatRect.right), 4);
    key.WriteNumber("Bottom", static_cast<std::uint32_t>(state.floatRect.bottom), 4);
}

std::optional<BarState> LoadBarState(const CSettingsStore& store, unsigned barId)
{
    CRegistryKey* section = store.SectionKey(SectionId::Toolbars);
    if (!section || !section->IsOpen()) return std::nullopt;
    // Opening creates a missing key; an empty one reads as no state.
    CRegistryKey key(section->Registry(), section->Handle(), BarKeyName(barId));
    std::int32_t floating = 0;
    std::int32_t visible = 0;
    BarState state;
    WindowRect& rect = state.floatRect;
    if (!key.IsOpen() || !key.ReadNumber("Side", state.side) || !key.ReadNumber("Floating", floating) ||
        !key.ReadNumber("Visible", visible) || !key.ReadNumber("Size", state.size) ||
        !key.ReadNumber("Left", rect.left) || !key.ReadNumber("Top", rect.top) || !key.ReadNumber("Right", rect.right) ||
        !key.ReadNumber("Bottom", rect.bottom))
        return std::nullopt;
    if (!InRange(state.side, 0, kLastSide) || !InRange(floating, 0, 1) || !InRange(visible, 0, 1) ||
        !InRange(state.size, 0, kMaxCoordinate))
        return std::nullopt;
    for (std::int32_t coordinate : {rect.left, rect.top, rect.right, rect.bottom})
        if (!InRange(coordinate, -kMaxCoordinate, kMaxCoordinate)) return std::nullopt;
    if (rect.right <= rect.left || rect.bottom <= rect.top) return std::nullopt;
    state.floating = floating != 0;
    state.visible = visible != 0;
    return state;
}
