#include "ui/frame/TabDropTarget.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Application
#include "ui/frame/BasicWindow.h"
#include "ui/frame/WindowTabs.h"

TabDropTarget::~TabDropTarget() { ForgetData(); }

HRESULT STDMETHODCALLTYPE TabDropTarget::QueryInterface(REFIID id, void** object)
{
    if (!object) return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE TabDropTarget::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_references)); }

ULONG STDMETHODCALLTYPE TabDropTarget::Release()
{
    const LONG left = ::InterlockedDecrement(&m_references);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE TabDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect)
{
    ForgetData();
    m_data = data;
    if (m_data) m_data->AddRef();
    return DragOver(keyState, point, effect);
}

HRESULT STDMETHODCALLTYPE TabDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect)
{
    if (!effect) return E_INVALIDARG;
    *effect = PassOn(UWM_DRAGOVER, keyState, point, *effect);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TabDropTarget::DragLeave()
{
    ForgetData();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TabDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect)
{
    if (!effect) return E_INVALIDARG;
    if (data != m_data) {
        ForgetData();
        m_data = data;
        if (m_data) m_data->AddRef();
    }
    *effect = PassOn(UWM_DROP, keyState, point, *effect);
    ForgetData();
    return S_OK;
}

DWORD TabDropTarget::PassOn(UINT message, DWORD keyState, POINTL point, DWORD allowed)
{
    POINT client = {point.x, point.y};
    ::ScreenToClient(m_tabs.Handle(), &client);
    const int index = m_tabs.HitTest(client);
    const TaskbarButton* button = index >= 0 ? m_tabs.ButtonAt(index) : nullptr;
    if (!button || !button->window) return DROPEFFECT_NONE;
    HWND window = button->window->Handle();
    HWND documentArea = ::GetParent(window);
    if (!::IsZoomed(window) || !::IsWindowVisible(window)) {
        ::SendMessageA(documentArea, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window), 0);
        ::SendMessageA(documentArea, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
    }
    DragRequest request{m_data, keyState, point, allowed};
    const LPARAM address = reinterpret_cast<LPARAM>(&request);
    const LRESULT answer = message == UWM_DROP ? ::SendMessageA(window, message, static_cast<WPARAM>(address), 0)
                                               : ::SendMessageA(window, message, 0, address);
    // A window that takes no drags answers 0, which is no effect.
    return static_cast<DWORD>(answer & 0xFF) & allowed;
}

void TabDropTarget::ForgetData()
{
    if (m_data) m_data->Release();
    m_data = nullptr;
}
