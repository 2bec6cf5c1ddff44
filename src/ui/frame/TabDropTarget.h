#pragma once
// The drop target of the taskbar's buttons: a drag over a button maximizes
// its window and passes the drag on to it (UWM_DRAGOVER), a drop passes the
// drop on (UWM_DROP). Outside the buttons nothing is accepted.

// Folders
#include "ui/folders/FileDrop.h"

// Windows
#include <windows.h>
#include <ole2.h>

class CWindowTabs;

// What a document window is given with a drag over it (UWM_DRAGOVER's
// lParam) or a drop on it (UWM_DROP's wParam); the window answers the effect.
// A window answers a drop with its effect in the low byte.
inline constexpr LRESULT kDropAnswerMask = 0xFF;

struct DragRequest {
    IDataObject* data = nullptr;
    DWORD keyState = 0;
    POINTL point = {};
    DWORD allowedEffects = DROPEFFECT_NONE;
};

// The handler comes first: the target keeps a reference to it.
class TabDropTarget : private filedrop::DropHandler, public filedrop::DropTarget {
public:
    explicit TabDropTarget(CWindowTabs& tabs) : filedrop::DropTarget(static_cast<DropHandler&>(*this)), m_tabs(tabs) {}

private:
    DWORD OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter) override;
    void OnDragLeave() override {}
    DWORD OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed) override;
    // Hands the drag to the window under the point; gives the effect it answers.
    DWORD PassOn(UINT message, IDataObject* data, DWORD keyState, POINTL point, DWORD allowed);

    CWindowTabs& m_tabs;
};
