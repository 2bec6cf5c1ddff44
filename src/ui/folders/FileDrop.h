#pragma once
// Files on the clipboard and in drags: the dropped-files format (a 20-byte
// header followed by the paths, each ended by a zero, and a final zero), a
// data object that offers such a list, the drop source of a drag from a
// list, and a drop target that hands a view's drags to its owner.

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>
#include <ole2.h>

namespace filedrop {

// The paths of a dropped-files block. A path the code page cannot hold
// comes as its short path when the block is wide and the system can tell it,
// else with "?" in place of the lost characters.
std::vector<std::string> PathsOf(HDROP drop);
// The paths a data object offers in the dropped-files format; none when it
// offers no such list.
std::vector<std::string> PathsOf(IDataObject* data);
// A movable global block in the dropped-files format; null when out of memory.
HGLOBAL MakeFileList(const std::vector<std::string>& paths);

// Offers one dropped-files list, the data object of a drag from a list.
class FileListData : public IDataObject {
public:
    explicit FileListData(std::vector<std::string> paths) : m_paths(std::move(paths)) {}
    // Reference counted: Release deletes.
    virtual ~FileListData() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::vector<std::string> m_paths;
    LONG m_references = 1;
};

// The program's own drag cursors for the copy, move and link effects, in the
// form for a drag of one item or of several.
class DragCursors {
public:
    enum class Form { OneItem, SeveralItems };
    explicit DragCursors(Form form);
    // The cursor of the effect (copy before move before link); null for none.
    HCURSOR For(DWORD effect) const;

private:
    HCURSOR m_copy;
    HCURSOR m_move;
    HCURSOR m_link;
};

// Whether a drop target of the program shows its own cursor for the drag's
// current step: the program's drag sources then leave it standing. A target
// says so on each step and takes it back when the drag leaves or drops, so
// that a drag from elsewhere leaves nothing behind.
void SetTargetShowsCursor(bool shows);

// The source side of a drag: the drop happens when the button that began
// it is released, Escape cancels. Its cursors are those a target of the
// program shows, else its own when it is given some, else the system's.
class DragSource : public IDropSource {
public:
    explicit DragSource(const DragCursors* cursors = nullptr) : m_cursors(cursors) {}
    virtual ~DragSource() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

private:
    const DragCursors* m_cursors;  // not owned; outlives the drag
    LONG m_references = 1;
};

// What a window does with the drags over it.
class DropHandler {
public:
    virtual ~DropHandler() = default;
    // The effect a drop would have (enter: the drag just came in).
    virtual DWORD OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter) = 0;
    virtual void OnDragLeave() = 0;
    virtual DWORD OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed) = 0;
};

// Passes the drags over a window on to its handler, which must outlive the
// window's registration.
class DropTarget : public IDropTarget {
public:
    explicit DropTarget(DropHandler& handler) : m_handler(handler) {}
    virtual ~DropTarget();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

private:
    void Forget();
    DropHandler& m_handler;
    IDataObject* m_data = nullptr;  // of the drag in progress
    LONG m_references = 1;
};

// Registers a new target for the handler on the window; null when the
// window takes no drops (OLE not ready, or registered already).
DropTarget* RegisterTarget(HWND window, DropHandler& handler);
// Revokes the window's target and lets it go; nothing when there is none.
void RevokeTarget(HWND window, DropTarget*& target);

}  // namespace filedrop
