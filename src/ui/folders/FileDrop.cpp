#include "ui/folders/FileDrop.h"

// Core
#include "core/folders/ActionPath.h"

// Folders
#include "ui/folders/Shell.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstring>
#include <utility>

// Windows
#include <shellapi.h>
#include <shlobj.h>

namespace filedrop {

namespace {

// The one interface an object offers besides IUnknown.
template <class Interface>
HRESULT QueryOne(Interface* self, REFIID own, REFIID id, void** object)
{
    if (!object) return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, own)) {
        *object = self;
        self->AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

template <class Object>
ULONG ReleaseOne(Object* self, LONG& references)
{
    const LONG left = ::InterlockedDecrement(&references);
    if (left == 0) delete self;
    return static_cast<ULONG>(left);
}

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool IsFileListFormat(const FORMATETC* format)
{
    return format && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) &&
           format->dwAspect == DVASPECT_CONTENT;
}

// The wide path at `index` of a wide file list, read within the block's size;
// empty for an ANSI list or an index past its end.
std::wstring WidePathAt(HDROP drop, UINT index)
{
    const SIZE_T size = ::GlobalSize(drop);
    const auto* header = static_cast<const DROPFILES*>(::GlobalLock(drop));
    if (!header) return {};
    std::wstring path;
    if (size >= sizeof(DROPFILES) && header->fWide && header->pFiles < size) {
        const auto* next = reinterpret_cast<const wchar_t*>(reinterpret_cast<const char*>(header) + header->pFiles);
        const auto* end = reinterpret_cast<const wchar_t*>(reinterpret_cast<const char*>(header) + size);
        for (UINT i = 0; next < end && *next; ++i) {
            const wchar_t* start = next;
            while (next < end && *next) ++next;
            if (i == index) {
                path.assign(start, next);
                break;
            }
            ++next;
        }
    }
    ::GlobalUnlock(drop);
    return path;
}

}  // namespace

std::vector<std::string> PathsOf(HDROP drop)
{
    std::vector<std::string> paths;
    if (!drop) return paths;
    const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileA(drop, i, nullptr, 0);
        // A name too long for any path cannot be a file the shell can act on.
        if (length == 0 || length >= MAX_PATH) continue;
        std::string path(length + 1, '\0');
        ::DragQueryFileA(drop, i, &path[0], length + 1);
        path.resize(length);
        if (HoldsPattern(path)) {
            // Left as it is, the caller leaves it out of any operation.
            const std::string exact = shell::ShortPathOfWide(WidePathAt(drop, i));
            if (!exact.empty()) path = exact;
        }
        paths.push_back(path);
    }
    return paths;
}

std::vector<std::string> PathsOf(IDataObject* data)
{
    if (!data) return {};
    FORMATETC format = FileListFormat();
    STGMEDIUM medium = {};
    if (FAILED(data->GetData(&format, &medium))) return {};
    std::vector<std::string> paths;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) paths = PathsOf(static_cast<HDROP>(medium.hGlobal));
    ::ReleaseStgMedium(&medium);
    return paths;
}

HGLOBAL MakeFileList(const std::vector<std::string>& paths)
{
    // The list ends with a zero; an empty list gets a second one, as readers
    // that step past the first name before looking for the end expect.
    std::size_t size = sizeof(DROPFILES) + (paths.empty() ? 2 : 1);
    for (const std::string& path : paths) size += path.size() + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return nullptr;
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    char* next = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
    for (const std::string& path : paths) {
        std::memcpy(next, path.c_str(), path.size() + 1);
        next += path.size() + 1;
    }
    ::GlobalUnlock(block);
    return block;
}

// --- The data object of a drag -----------------------------------------------

HRESULT STDMETHODCALLTYPE FileListData::QueryInterface(REFIID id, void** object)
{
    return QueryOne<IDataObject>(this, IID_IDataObject, id, object);
}

ULONG STDMETHODCALLTYPE FileListData::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_references)); }
ULONG STDMETHODCALLTYPE FileListData::Release() { return ReleaseOne(this, m_references); }

HRESULT STDMETHODCALLTYPE FileListData::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (!medium) return E_POINTER;
    if (!IsFileListFormat(format)) return DV_E_FORMATETC;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = MakeFileList(m_paths);
    medium->pUnkForRelease = nullptr;
    return medium->hGlobal ? S_OK : E_OUTOFMEMORY;
}

HRESULT STDMETHODCALLTYPE FileListData::QueryGetData(FORMATETC* format)
{
    return IsFileListFormat(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT STDMETHODCALLTYPE FileListData::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out)
{
    if (out) out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT STDMETHODCALLTYPE FileListData::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats)
{
    if (!formats) return E_POINTER;
    *formats = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    // The shell's enumerator, where this system has one.
    using Creator = HRESULT(WINAPI*)(UINT, const FORMATETC*, IEnumFORMATETC**);
    HMODULE shell = ::GetModuleHandleA("shell32.dll");
    auto create = shell ? reinterpret_cast<Creator>(reinterpret_cast<void*>(::GetProcAddress(shell, "SHCreateStdEnumFmtEtc"))) : nullptr;
    if (!create) return E_NOTIMPL;
    const FORMATETC format = FileListFormat();
    return create(1, &format, formats);
}

// --- The source of a drag ----------------------------------------------------

HRESULT STDMETHODCALLTYPE DragSource::QueryInterface(REFIID id, void** object)
{
    return QueryOne<IDropSource>(this, IID_IDropSource, id, object);
}

ULONG STDMETHODCALLTYPE DragSource::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_references)); }
ULONG STDMETHODCALLTYPE DragSource::Release() { return ReleaseOne(this, m_references); }

HRESULT STDMETHODCALLTYPE DragSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState)
{
    if (escapePressed) return DRAGDROP_S_CANCEL;
    if (!(keyState & (MK_LBUTTON | MK_RBUTTON))) return DRAGDROP_S_DROP;
    return S_OK;
}

namespace {

// Set by a target of the program when it shows its cursor, taken by the
// source's next feedback; both run on the thread that drags.
bool g_targetShowsCursor = false;

HCURSOR ProgramCursor(int id)
{
    return ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

}  // namespace

void SetTargetShowsCursor(bool shows) { g_targetShowsCursor = shows; }

HRESULT STDMETHODCALLTYPE DragSource::GiveFeedback(DWORD effect)
{
    if (std::exchange(g_targetShowsCursor, false)) return S_OK;
    if (HCURSOR cursor = m_cursors ? m_cursors->For(effect) : nullptr) {
        ::SetCursor(cursor);
        return S_OK;
    }
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

DragCursors::DragCursors(Form form)
{
    const bool several = form == Form::SeveralItems;
    m_copy = ProgramCursor(several ? IDC_DRAG_COPY_MANY : IDC_DRAG_COPY);
    m_move = ProgramCursor(several ? IDC_DRAG_MOVE_MANY : IDC_DRAG_MOVE);
    m_link = ProgramCursor(several ? IDC_DRAG_LINK_MANY : IDC_DRAG_LINK);
}

HCURSOR DragCursors::For(DWORD effect) const
{
    if (effect & DROPEFFECT_COPY) return m_copy;
    if (effect & DROPEFFECT_MOVE) return m_move;
    if (effect & DROPEFFECT_LINK) return m_link;
    return nullptr;
}

// --- The target of drags -----------------------------------------------------

DropTarget::~DropTarget() { Forget(); }

HRESULT STDMETHODCALLTYPE DropTarget::QueryInterface(REFIID id, void** object)
{
    return QueryOne<IDropTarget>(this, IID_IDropTarget, id, object);
}

ULONG STDMETHODCALLTYPE DropTarget::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_references)); }
ULONG STDMETHODCALLTYPE DropTarget::Release() { return ReleaseOne(this, m_references); }

HRESULT STDMETHODCALLTYPE DropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect)
{
    if (!effect) return E_INVALIDARG;
    Forget();
    m_data = data;
    if (m_data) m_data->AddRef();
    *effect = m_handler.OnDragOver(m_data, keyState, point, *effect, true);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect)
{
    if (!effect) return E_INVALIDARG;
    *effect = m_handler.OnDragOver(m_data, keyState, point, *effect, false);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragLeave()
{
    m_handler.OnDragLeave();
    Forget();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect)
{
    if (!effect) return E_INVALIDARG;
    *effect = m_handler.OnDrop(data ? data : m_data, keyState, point, *effect);
    Forget();
    return S_OK;
}

void DropTarget::Forget()
{
    if (m_data) m_data->Release();
    m_data = nullptr;
}

DropTarget* RegisterTarget(HWND window, DropHandler& handler)
{
    auto* target = new DropTarget(handler);
    if (SUCCEEDED(::RegisterDragDrop(window, target))) return target;
    target->Release();
    return nullptr;
}

void RevokeTarget(HWND window, DropTarget*& target)
{
    if (!target) return;
    ::RevokeDragDrop(window);
    target->Release();
    target = nullptr;
}

}  // namespace filedrop
