#include "ui/frame/PersonalWindow.h"

namespace {
// Taskbar image of a personal folder window (the other image needs the folder's flag).
constexpr int kPersonalIcon = 0;
}

CPersonalWindow::CPersonalWindow(WindowState state, const void* personal)
    : CQueryWindow(std::move(state)), m_personal(personal)
{
    m_iconIndex = kPersonalIcon;
}
