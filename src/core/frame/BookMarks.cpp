#include "core/frame/BookMarks.h"

// Core
#include "core/app/Settings.h"
#include "core/frame/FolderTitle.h"

// Standard library
#include <algorithm>

CBookMark::CBookMark(const std::string& path, void* window, WindowKind kind, int number)
    : CBaseObj(path, true), m_window(window), m_kind(kind), m_number(number)
{
}

std::string CBookMark::DisplayText(bool fullPath) const
{
    return std::to_string(m_number + 1) + ") " + FolderWindowTitle(Path(), fullPath, false, "");
}

int BookmarkNumberOfText(const std::string& text)
{
    if (text.empty() || text[0] < '1' || text[0] > '9') return kNoBookmark;
    return text[0] - '1';
}

RestoreStep RestoreStepFor(const CBookMark* mark, bool explorerMode)
{
    if (!mark) return RestoreStep::Nothing;
    if (mark->Window() && !explorerMode) return RestoreStep::ActivateWindow;
    return RestoreStep::OpenWindow;
}

bool CanBookmarkKind(WindowKind kind) { return kind == WindowKind::Folder || kind == WindowKind::Personal; }

CBookMarkList::CBookMarkList(CSettingsStore& store)
    : CObjectList(store, nullptr, SectionId::None, kNoCapacity)
{
}

CBookMark* CBookMarkList::MarkAt(int index) const { return static_cast<CBookMark*>(At(index)); }

CBookMark* CBookMarkList::Add(std::unique_ptr<CBookMark> mark)
{
    if (!mark || mark->Number() < 0 || mark->Number() >= kBookmarkCount) return nullptr;
    auto& objects = Objects();
    for (auto& object : objects) {
        if (static_cast<CBookMark*>(object.get())->Number() != mark->Number()) continue;
        object = std::move(mark);
        return static_cast<CBookMark*>(object.get());
    }
    return static_cast<CBookMark*>(CObjectList::Add(std::move(mark)));
}

int CBookMarkList::FirstFreeNumber() const
{
    for (int number = 0; number < kBookmarkCount; ++number)
        if (!FindByNumber(number)) return number;
    return kNoBookmark;
}

CBookMark* CBookMarkList::FindByNumber(int number) const
{
    for (int i = 0; i < Count(); ++i)
        if (MarkAt(i)->Number() == number) return MarkAt(i);
    return nullptr;
}

bool CBookMarkList::RemoveByNumber(int number)
{
    for (int i = 0; i < Count(); ++i)
        if (MarkAt(i)->Number() == number) {
            RemoveAt(i, true);
            return true;
        }
    return false;
}

int CBookMarkList::IndexOf(const std::string& path, WindowKind kind) const
{
    for (int i = 0; i < Count(); ++i)
        if (MarkAt(i)->Path() == path && MarkAt(i)->Kind() == kind) return i;
    return kNotFound;
}

CBookMark* CBookMarkList::Find(const std::string& path, WindowKind kind) const
{
    const int index = IndexOf(path, kind);
    return index == kNotFound ? nullptr : MarkAt(index);
}

void CBookMarkList::AttachWindow(const std::string& path, WindowKind kind, void* window)
{
    if (CBookMark* mark = Find(path, kind)) mark->SetWindow(window);
}

void CBookMarkList::DetachWindow(const void* window)
{
    for (int i = 0; i < Count(); ++i)
        if (MarkAt(i)->Window() == window) MarkAt(i)->SetWindow(nullptr);
}

CBookMark* CBookMarkList::Rename(const std::string& oldPath, const std::string& newPath)
{
    CBookMark* mark = Find(oldPath, WindowKind::Folder);
    if (mark) mark->SetName(newPath);
    return mark;
}

std::vector<CBookMark*> CBookMarkList::InNumberOrder() const
{
    std::vector<CBookMark*> marks;
    for (int i = 0; i < Count(); ++i) marks.push_back(MarkAt(i));
    std::sort(marks.begin(), marks.end(),
              [](const CBookMark* a, const CBookMark* b) { return a->Number() < b->Number(); });
    return marks;
}
