#pragma once
// The drop target of the main frame itself: it takes only lists of files and
// hands the drag to the frame as messages (UWM_DRAGOVER, UWM_DROP with a
// DragRequest, UWM_DRAGLEAVE), which decides what the drop does. Windows
// with targets of their own (the files views, the folder tree, the taskbar)
// keep their drags; this one has the frame's bars and empty area. It shows
// the program's drag cursors, in the form given at its making.

// Folders
#include "ui/folders/FileDrop.h"

// Frame
#include "ui/frame/TabDropTarget.h"

// Windows
#include <windows.h>
#include <ole2.h>

// The drag left the frame.
inline constexpr UINT UWM_DRAGLEAVE = WM_USER + 1110;

class FrameDropTarget : private filedrop::DropHandler, public filedrop::DropTarget {
public:
    explicit FrameDropTarget(HWND frame,
                             filedrop::DragCursors::Form form = filedrop::DragCursors::Form::SeveralItems)
        : filedrop::DropTarget(static_cast<DropHandler&>(*this)), m_frame(frame), m_cursors(form)
    {
    }

private:
    DWORD OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter) override;
    void OnDragLeave() override;
    DWORD OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed) override;

    // The cursor of the effect, when it has one, replaces the system's.
    DWORD ShowCursorOf(DWORD effect) const;

    HWND m_frame;
    filedrop::DragCursors m_cursors;
};
