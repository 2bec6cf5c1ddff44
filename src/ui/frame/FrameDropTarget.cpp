#include "ui/frame/FrameDropTarget.h"

// Folders
#include "ui/folders/FolderMessages.h"

namespace {

bool OffersFiles(IDataObject* data) { return !filedrop::PathsOf(data).empty(); }

}  // namespace

DWORD FrameDropTarget::OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter)
{
    (void)enter;
    if (!OffersFiles(data)) return ShowCursorOf(DROPEFFECT_NONE);
    DragRequest request{data, keyState, point, allowed};
    const LRESULT answer = ::SendMessageA(m_frame, UWM_DRAGOVER, 0, reinterpret_cast<LPARAM>(&request));
    return ShowCursorOf(static_cast<DWORD>(answer & kDropAnswerMask) & allowed);
}

DWORD FrameDropTarget::ShowCursorOf(DWORD effect) const
{
    HCURSOR cursor = m_cursors.For(effect);
    if (cursor) ::SetCursor(cursor);
    filedrop::SetTargetShowsCursor(cursor != nullptr);
    return effect;
}

void FrameDropTarget::OnDragLeave()
{
    filedrop::SetTargetShowsCursor(false);
    ::SendMessageA(m_frame, UWM_DRAGLEAVE, 0, 0);
}

DWORD FrameDropTarget::OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed)
{
    filedrop::SetTargetShowsCursor(false);
    if (!OffersFiles(data)) return DROPEFFECT_NONE;
    DragRequest request{data, keyState, point, allowed};
    const LRESULT answer = ::SendMessageA(m_frame, UWM_DROP, reinterpret_cast<WPARAM>(&request), 0);
    return static_cast<DWORD>(answer & kDropAnswerMask) & allowed;
}
