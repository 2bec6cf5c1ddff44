#pragma once
// The cut list: the paths the last Cut of any view took, the view that made
// it and a tag. The tag goes on the clipboard as plain text; the cut stays in
// force only while the clipboard still holds that tag, so anything copied
// afterwards ends it.

// Standard library
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Ten decimal digits, each the first digit of a number `random` gives.
std::string MakeCutTag(const std::function<int()>& random);

class CutList {
public:
    // The one list of the process.
    static CutList& Instance();

    // A new cut by `owner`: a new tag and no paths yet. Gives the tag.
    const std::string& Begin(std::uintptr_t owner, const std::function<int()>& random);
    void Add(std::string path) { m_paths.push_back(std::move(path)); }
    void Clear();

    // Whether the cut is still in force with this text on the clipboard.
    bool IsCurrent(const std::string& clipboardText) const { return !m_tag.empty() && clipboardText == m_tag; }
    const std::string& Tag() const { return m_tag; }
    const std::vector<std::string>& Paths() const { return m_paths; }
    std::uintptr_t Owner() const { return m_owner; }

    // A paste starts moving the cut paths: the ticket names that move. The
    // list is cleared only when that move succeeded and no later cut came;
    // after a failure it stays, so the user may paste again.
    std::uint32_t BeginMove() { return m_moveTicket = ++m_lastTicket; }
    void MoveDone(std::uint32_t ticket, bool succeeded)
    {
        if (ticket == 0 || ticket != m_moveTicket) return;
        m_moveTicket = 0;
        if (succeeded) Clear();
    }

private:
    std::vector<std::string> m_paths;
    std::uintptr_t m_owner = 0;
    std::string m_tag;
    std::uint32_t m_moveTicket = 0;  // of the move in flight, 0 for none
    std::uint32_t m_lastTicket = 0;
};
