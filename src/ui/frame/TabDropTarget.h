#pragma once
// The drop target of the taskbar's buttons: a drag over a button maximizes
// its window and passes the drag on to it (UWM_DRAGOVER), a drop passes the
// drop on (UWM_DROP). Outside the buttons nothing is accepted.

// Windows
#include <windows.h>
#include <ole2.h>

class CWindowTabs;

// What a document window is given with a drag over it (UWM_DRAGOVER's
// lParam) or a drop on it (UWM_DROP's wParam); the window answers the effect.
struct DragRequest {
    IDataObject* data = nullptr;
    DWORD keyState = 0;
    POINTL point = {};
    DWORD allowedEffects = DROPEFFECT_NONE;
};

class TabDropTarget : public IDropTarget {
public:
    explicit TabDropTarget(CWindowTabs& tabs) : m_tabs(tabs) {}
    virtual ~TabDropTarget();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

private:
    // Hands the drag to the window under the point; gives the effect it answers.
    DWORD PassOn(UINT message, DWORD keyState, POINTL point, DWORD allowed);
    void ForgetData();

    CWindowTabs& m_tabs;
    IDataObject* m_data = nullptr;
    LONG m_references = 1;
};
