#include "ui/frame/FlatToolBar.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/frame/Toolbars.h"

// Framework
#include "ui/framework/Application.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

namespace {

constexpr int kDriveImageWidth = 16;
constexpr COLORREF kDriveMask = RGB(0, 128, 128);
constexpr int kLetterCount = 26;

std::string RootOf(char letter) { return std::string(1, letter) + ":\\"; }

}  // namespace

CDrivesToolBar::CDrivesToolBar() = default;

CDrivesToolBar::~CDrivesToolBar()
{
    if (m_driveImages) ImageList_Destroy(m_driveImages);
}

bool CDrivesToolBar::CreateDrives(ui::MdiFrame& frame, UINT barId, const std::string& title)
{
    if (!CreateToolBar(frame, barId, title, ui::kDockAnySide, ui::DockSide::Top)) return false;
    SetEtchedSides(BF_TOP | BF_LEFT);
    m_driveImages = ImageList_LoadImageA(ui::Application::Instance()->InstanceHandle(), MAKEINTRESOURCEA(IDB_DRIVES),
                                         kDriveImageWidth, 0, kDriveMask, IMAGE_BITMAP, 0);
    if (!m_driveImages) return false;
    ::SendMessageA(ToolBarControl(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_driveImages));
    UpdateDrives();
    return true;
}

bool CDrivesToolBar::LabelsBeside() const
{
    return CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ToolbarTextLabels) == 0;
}

// Drive buttons always carry their letters: beside the images, or under them with setting 37.
void CDrivesToolBar::UpdateTextLabels(bool force)
{
    (void)force;
    CAppToolBar::UpdateTextLabels(true);
}

TBBUTTON CDrivesToolBar::DriveButton(char letter, int image) const
{
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = static_cast<int>(ID_DRIVE_FIRST) + (letter - 'a');
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    button.dwData = static_cast<DWORD_PTR>(static_cast<unsigned char>(letter));
    button.iString = -1;
    return button;
}

unsigned CDrivesToolBar::SystemDriveType(char letter)
{
    const char key = DriveLetterKey(letter);
    if (!key || !(::GetLogicalDrives() & (1u << (key - 'a')))) return DRIVE_NO_ROOT_DIR;
    return ::GetDriveTypeA(RootOf(key).c_str());
}

void CDrivesToolBar::UpdateDrives()
{
    m_buttons.clear();
    for (int n = 0; n < kLetterCount; ++n) {
        const char letter = static_cast<char>('a' + n);
        const int image = DriveImageFor(letter, m_driveType(letter));
        if (image != kNoDriveImage) m_buttons.push_back(DriveButton(letter, image));
    }
    UpdateTextLabels(true);
}

bool CDrivesToolBar::DriveChanged(char letter, bool removed)
{
    const char key = DriveLetterKey(letter);
    if (!key) return false;
    std::vector<std::uint32_t> letters;
    for (const TBBUTTON& button : m_buttons) letters.push_back(static_cast<std::uint32_t>(button.dwData));
    if (removed) {
        const auto found = std::find(letters.begin(), letters.end(), static_cast<std::uint32_t>(key));
        if (found == letters.end()) return false;
        m_buttons.erase(m_buttons.begin() + (found - letters.begin()));
        RebuildButtons();
        return true;
    }
    const int image = DriveImageFor(key, m_driveType(key));
    if (image == kNoDriveImage) {
        RequestLayout();
        return false;
    }
    // A drive that has its button already keeps it.
    if (std::find(letters.begin(), letters.end(), static_cast<std::uint32_t>(key)) != letters.end()) return false;
    m_buttons.insert(m_buttons.begin() + static_cast<std::ptrdiff_t>(DriveInsertPosition(letters, key)),
                     DriveButton(key, image));
    UpdateTextLabels(true);
    return true;
}

std::string CDrivesToolBar::Letters() const
{
    std::string letters;
    for (int i = 0; i < ButtonCount(); ++i) letters.push_back(static_cast<char>(ButtonAt(i).dwData));
    return letters;
}
