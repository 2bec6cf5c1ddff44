#include "ui/framework/DialogBar.h"

// Framework
#include "ui/framework/MdiFrame.h"

namespace ui {

bool DialogBar::CreateBar(MdiFrame& frame, UINT barId)
{
    m_frame = &frame;
    if (!CreateModeless(frame.Handle())) return false;
    ::SetWindowLongPtrA(Handle(), GWLP_ID, static_cast<LONG_PTR>(barId));
    ::ShowWindow(Handle(), SW_HIDE);
    frame.AddBottomBar(this);
    return true;
}

void DialogBar::Show(bool show)
{
    if (!Handle() || IsVisible() == show) return;
    ::ShowWindow(Handle(), show ? SW_SHOWNA : SW_HIDE);
    RequestLayout();
}

void DialogBar::RequestLayout()
{
    if (m_frame) m_frame->RecalcLayout();
}

}  // namespace ui
