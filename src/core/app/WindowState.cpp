#include "core/app/WindowState.h"

// Core
#include "core/app/ObjectList.h"
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

// Standard library
#include <memory>
#include <optional>

namespace {

constexpr char kValuePath[] = "Path";
constexpr char kValueRect[] = "Rect";
constexpr char kValueState[] = "State";
constexpr std::size_t kRectBytes = 16;
constexpr std::size_t kStateBytes = 4;
// Ends an enumeration that a broken key would never end.
constexpr std::uint32_t kMaxEnumeratedKeys = 100000;

// Each step rounded to a double, as the target's compiler leaves the FPU: the
// x87's longer intermediates would make 640 give 63 instead of 64.
std::int32_t Margin(std::int32_t extent)
{
    volatile double product = 0.8 * extent;
    volatile double difference = extent - product;
    volatile double half = difference * 0.5;
    return static_cast<std::int32_t>(half);
}

std::int32_t Word(const std::uint8_t* bytes)
{
    std::uint32_t w = 0;
    for (int i = 3; i >= 0; --i) w = (w << 8) | bytes[i];
    return static_cast<std::int32_t>(w);
}

void PutWord(std::uint8_t* bytes, std::int32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

// A value of any other length is damaged and read as missing.
void ReadRect(const CRegistryKey& key, WindowRect& rect)
{
    std::uint8_t bytes[kRectBytes];
    std::optional<std::size_t> read = key.ReadBlock(kValueRect, bytes, sizeof(bytes));
    if (!read || *read != kRectBytes) return;
    rect = {Word(bytes), Word(bytes + 4), Word(bytes + 8), Word(bytes + 12)};
}

void ReadState(const CRegistryKey& key, std::int32_t& state)
{
    std::uint8_t bytes[kStateBytes];
    std::optional<std::size_t> read = key.ReadBlock(kValueState, bytes, sizeof(bytes));
    if (read && *read == kStateBytes) state = Word(bytes);
}

void WriteRectAndState(CRegistryKey& key, const WindowState& state)
{
    std::uint8_t bytes[kRectBytes];
    PutWord(bytes, state.rect.left);
    PutWord(bytes + 4, state.rect.top);
    PutWord(bytes + 8, state.rect.right);
    PutWord(bytes + 12, state.rect.bottom);
    key.WriteBlock(kValueRect, bytes, sizeof(bytes));
    key.WriteNumber(kValueState, static_cast<std::uint32_t>(state.showState), 4);
}

CRegistryKey* OpenDesktop(const CSettingsStore& store)
{
    CRegistryKey* desktop = store.SectionKey(SectionId::Desktop);
    return desktop && desktop->IsOpen() ? desktop : nullptr;
}

}  // namespace

WindowRect DefaultFrameRect(const WindowRect& workArea)
{
    const std::int32_t mx = Margin(workArea.right);
    const std::int32_t my = Margin(workArea.bottom);
    return {mx, my, workArea.right - mx, workArea.bottom - my};
}

WindowState DefaultFrameState(const WindowRect& workArea)
{
    WindowState frame;
    frame.rect = DefaultFrameRect(workArea);
    frame.showState = kShowMaximized;
    return frame;
}

void LoadFrameState(const CSettingsStore& store, WindowState& frame)
{
    CRegistryKey* desktop = OpenDesktop(store);
    if (!desktop) return;
    ReadRect(*desktop, frame.rect);
    ReadState(*desktop, frame.showState);
}

std::vector<WindowState> LoadSavedWindowStates(const CSettingsStore& store)
{
    std::vector<WindowState> windows;
    CRegistryKey* desktop = OpenDesktop(store);
    if (!desktop) return windows;
    std::vector<std::string> names;
    for (std::uint32_t index = 0; index < kMaxEnumeratedKeys; ++index) {
        std::optional<std::string> name = desktop->EnumSubKey(index, kWindowNameBufferChars);
        if (!name) break;
        // A name too long for the buffer cannot be opened; skip it rather than
        // read the section key itself as a window.
        if (!name->empty()) names.push_back(std::move(*name));
    }
    OrderRecordNames(names);
    for (const std::string& name : names) {
        CRegistryKey key(store.Registry(), desktop->Handle(), name);
        WindowState window;
        window.path = key.ReadText(kValuePath, "");
        ReadRect(key, window.rect);
        ReadState(key, window.showState);
        windows.push_back(window);
    }
    return windows;
}

void ClearDesktop(CSettingsStore& store)
{
    store.ClearSection(SectionId::Desktop);
    if (CRegistryKey* desktop = store.SectionKey(SectionId::Desktop)) desktop->Recreate();
}

void SaveFrameState(CSettingsStore& store, const WindowState& frame)
{
    CRegistryKey* desktop = OpenDesktop(store);
    if (desktop) WriteRectAndState(*desktop, frame);
}

void SaveWindowState(CSettingsStore& store, int index, const WindowState& window)
{
    CRegistryKey* desktop = OpenDesktop(store);
    if (!desktop || index < 0) return;
    CRegistryKey key(store.Registry(), desktop->Handle(), CObjectList::ObjectKeyName(index));
    if (!key.IsOpen()) return;
    key.WriteText(kValuePath, window.path);
    WriteRectAndState(key, window);
}
