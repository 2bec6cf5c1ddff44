#pragma once
// Bookmarks: numbered marks 1..9 on folder windows, kept while the program
// runs (never stored). The list holds at most one bookmark per number; a
// bookmark outlives its window and then reopens the folder.

// Core
#include "core/app/BaseObj.h"
#include "core/app/ObjectList.h"
#include "core/app/WindowState.h"

// Standard library
#include <memory>
#include <string>
#include <vector>

class CSettingsStore;

// Numbers run 0..8 inside the program and show as 1..9.
inline constexpr int kBookmarkCount = 9;
inline constexpr int kNoBookmark = -1;

class CBookMark : public CBaseObj {
public:
    // `window` is the marked document window, an opaque pointer here.
    CBookMark(const std::string& path, void* window, WindowKind kind, int number);

    const std::string& Path() const { return Name(); }
    void* Window() const { return m_window; }
    void SetWindow(void* window) { m_window = window; }
    WindowKind Kind() const { return m_kind; }
    int Number() const { return m_number; }
    // "3) Data", or with fullPath "3) C:\Data".
    std::string DisplayText(bool fullPath) const;

private:
    void* m_window;
    WindowKind m_kind;
    int m_number;
};

// The number a list or page text starts with: its first character less "1";
// kNoBookmark when that is no digit 1..9.
int BookmarkNumberOfText(const std::string& text);

// What restoring a bookmark does.
enum class RestoreStep { Nothing, ActivateWindow, OpenWindow };
// An attached bookmark's window is activated, except in Explorer mode, where
// the single window always navigates; a closed one's folder is opened.
RestoreStep RestoreStepFor(const CBookMark* mark, bool explorerMode);

// Whether a window of the kind can be bookmarked: folder and personal windows.
bool CanBookmarkKind(WindowKind kind);

class CBookMarkList : public CObjectList {
public:
    explicit CBookMarkList(CSettingsStore& store);

    // Replaces the bookmark of the same number in its place, else appends.
    // Gives the bookmark as kept in the list; null for a number outside 0..8.
    CBookMark* Add(std::unique_ptr<CBookMark> mark);
    // The smallest number no bookmark has, or kNoBookmark when all nine are used.
    int FirstFreeNumber() const;
    CBookMark* FindByNumber(int number) const;
    bool RemoveByNumber(int number);
    // Exact path and kind.
    CBookMark* Find(const std::string& path, WindowKind kind) const;
    int IndexOf(const std::string& path, WindowKind kind) const;
    // A window of the path and kind was made: its bookmark gets it.
    void AttachWindow(const std::string& path, WindowKind kind, void* window);
    // A window went: no bookmark points to it any longer.
    void DetachWindow(const void* window);
    // A folder window's folder was renamed: its bookmark follows. Gives the
    // bookmark, or null when the old path had none.
    CBookMark* Rename(const std::string& oldPath, const std::string& newPath);
    void Clear() { DeleteAll(); }
    CBookMark* MarkAt(int index) const;
    // The bookmarks by number, 1 first.
    std::vector<CBookMark*> InNumberOrder() const;
};
