#pragma once
// The directory-listing seam: FindFirstFileA-style listing of "folder\pattern",
// drive types and the folder check. The pattern rules of the platform's own
// matching are here too, so that a caller that lists a folder once with "*.*"
// can pick the entries each pattern would have found.

// Standard library
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// The platform's file attribute bits.
inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;
inline constexpr std::uint32_t kAttrNormal = 0x80;
// Links and junctions; a directory that is one carries both bits.
inline constexpr std::uint32_t kAttrReparsePoint = 0x400;

// GetDriveTypeA's answers.
enum class DriveType { Unknown = 0, NoRootDir = 1, Removable = 2, Fixed = 3, Remote = 4,
                       CdRom = 5, RamDisk = 6 };

// One directory entry as FindFirstFileA gives it. Times are seconds since
// 1970 (UTC); 0 when unknown.
struct FindEntry {
    std::string name;
    std::string shortName;  // 8.3 alias; empty when the long name is one already
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    std::int64_t created = 0;
    std::int64_t accessed = 0;
    std::int64_t modified = 0;
};

// A listed entry that a walk of the tree goes down into: a real sub-folder.
// "." and ".." lead back up; a link or junction may lead anywhere, its own
// folder included, so a walk would meet folders twice or never end. Such an
// entry is still listed and tested like any other.
inline bool IsFolderToDescend(const FindEntry& entry)
{
    return (entry.attributes & (kAttrDirectory | kAttrReparsePoint)) == kAttrDirectory &&
           entry.name != "." && entry.name != "..";
}

// Called per entry; false ends the listing early.
using FindVisitor = std::function<bool(const FindEntry&)>;

class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;

    // Lists the entries that match `spec` ("folder\pattern") in the order the
    // file system returns them, "." and ".." included where the platform gives
    // them. False when nothing matches or the folder cannot be read.
    virtual bool List(const std::string& spec, const FindVisitor& visit) = 0;

    // The whole listing of `spec` appended to `out`; false as for List.
    virtual bool ListAll(const std::string& spec, std::vector<FindEntry>& out)
    {
        return List(spec, [&out](const FindEntry& entry) {
            out.push_back(entry);
            return true;
        });
    }

    // The type of a drive root such as "C:\" (GetDriveTypeA).
    virtual DriveType QueryDriveType(const std::string& root) = 0;

    // Whether the folder exists and can be entered. The process's current
    // directory is never changed: another search or a dialog may be using it.
    // An empty text fails.
    virtual bool CanEnterFolder(const std::string& folder) = 0;
};

// The lister of the running system: FindFirstFileA on Windows; elsewhere a
// lister of host folders reached through a drive-letter map.
DirectoryLister& SystemDirectoryLister();

// --- The platform's pattern rules -------------------------------------------
// Windows' rules, as its file systems apply them: before matching, "." before
// "*" or "?" becomes a dot that may also match the end of the name, and "?"
// becomes a character that may also match nothing at a dot or at the end.
// Wine's matcher differs from them in places ("?" always takes a character;
// "*" followed by a text that overlaps itself, such as "*aa", can miss), so
// the program picks entries itself only for the shapes on which every
// platform agrees, "prefix*suffix", and hands any other pattern to the lister.

namespace detail {

inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

inline bool SameAscii(const char* a, const char* b, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

// A text that begins with its own end (such as "aa" or "abab") can be found
// overlapping itself, which is where matchers differ.
inline bool OverlapsItself(const std::string& text)
{
    for (std::size_t length = 1; length < text.size(); ++length)
        if (SameAscii(text.data(), text.data() + text.size() - length, length)) return true;
    return false;
}

// Splits a pattern of the shape "prefix*suffix" ("X*.*" counts as "X*").
inline bool SplitPlain(const std::string& pattern, std::string& prefix, std::string& suffix)
{
    if (pattern.empty() || pattern.back() == '.' || pattern.back() == ' ' ||
        pattern.find("..") != std::string::npos)
        return false;
    for (char c : pattern) {
        if (c < ' ' || c > '~') return false;
        switch (c) {
        case '\\': case '/': case ':': case '<': case '>': case '"': case '|': case '?':
            return false;
        default: break;
        }
    }
    std::string shape = pattern;
    if (shape.size() >= 3 && shape.compare(shape.size() - 3, 3, "*.*") == 0)
        shape.resize(shape.size() - 2);
    const std::size_t star = shape.find('*');
    if (star == std::string::npos || shape.find('*', star + 1) != std::string::npos) return false;
    prefix = shape.substr(0, star);
    suffix = shape.substr(star + 1);
    return !OverlapsItself(suffix);
}

}  // namespace detail

// True when the program may pick this pattern's entries from a "*.*" listing
// with FindMask: a bare name pattern "prefix*suffix" (no folder part, no "?",
// no DOS wildcard characters, no trailing dot or blank, plain ASCII).
inline bool IsPlainFindPattern(const std::string& pattern)
{
    std::string prefix, suffix;
    return detail::SplitPlain(pattern, prefix, suffix);
}

// One plain pattern, prepared once and tested against many names.
class FindMask {
public:
    explicit FindMask(const std::string& pattern) : m_mask(pattern)
    {
        m_plain = detail::SplitPlain(pattern, m_prefix, m_suffix);
        for (std::size_t i = 0; i < m_mask.size(); ++i) {
            const bool jokerNext = i + 1 < m_mask.size() &&
                                   (m_mask[i + 1] == '*' || m_mask[i + 1] == '?');
            if (m_mask[i] == '.' && jokerNext) m_mask[i] = kDosDot;
            else if (m_mask[i] == '?') m_mask[i] = kDosAny;
        }
    }

    // Whether a listing with the pattern gives an entry with these names.
    bool Matches(const std::string& name, const std::string& shortName) const
    {
        return MatchesName(name) || (!shortName.empty() && MatchesName(shortName));
    }

private:
    static constexpr char kDosDot = '"';  // a dot, or nothing at the end
    static constexpr char kDosAny = '>';  // one character, or nothing at a dot or the end
    static constexpr std::size_t kStackCells = 4096;

    bool MatchesName(const std::string& name) const
    {
        if (m_plain) return MatchesPlain(name);
        // ".." is matched as "." (the platform does the same).
        const std::size_t length = name == ".." ? 1 : name.size();
        const std::size_t cells = (length + 1) * (m_mask.size() + 1);
        char stackMemo[kStackCells];
        std::string heapMemo;
        char* memo = stackMemo;
        if (cells > kStackCells) {
            heapMemo.assign(cells, 0);
            memo = &heapMemo[0];
        } else {
            std::fill(memo, memo + cells, 0);
        }
        return Match(name.data(), length, 0, 0, memo);
    }

    bool MatchesPlain(const std::string& name) const
    {
        if (name.size() < m_prefix.size() + m_suffix.size()) return false;
        return detail::SameAscii(name.data(), m_prefix.data(), m_prefix.size()) &&
               detail::SameAscii(name.data() + name.size() - m_suffix.size(), m_suffix.data(),
                                 m_suffix.size());
    }

    static char Upper(char c) { return detail::UpperAscii(c); }
    static bool Skippable(char c) { return c == '*' || c == kDosDot || c == kDosAny; }

    // Memoised so that many stars cannot make the test exponential; memo cells
    // hold 0 unknown, 1 no, 2 yes.
    bool Match(const char* name, std::size_t length, std::size_t i, std::size_t j,
               char* memo) const
    {
        char& cell = memo[i * (m_mask.size() + 1) + j];
        if (cell == 0) cell = MatchUncached(name, length, i, j, memo) ? 2 : 1;
        return cell == 2;
    }

    bool MatchUncached(const char* name, std::size_t length, std::size_t i, std::size_t j,
                       char* memo) const
    {
        const std::size_t end = m_mask.size();
        if (i == length || j == end) {
            while (j < end && Skippable(m_mask[j])) ++j;
            return i == length && j == end;
        }
        const char m = m_mask[j];
        if (m == '*') {
            while (j < end && m_mask[j] == '*') ++j;
            if (j == end) return true;
            for (std::size_t k = i; k <= length; ++k)
                if (Match(name, length, k, j, memo)) return true;
            return false;
        }
        if (m == kDosAny) {
            if (name[i] != '.') return Match(name, length, i + 1, j + 1, memo);
            std::size_t next = j;
            while (next < end && m_mask[next] == kDosAny) ++next;
            return next == end ? i + 1 == length : Match(name, length, i, next, memo);
        }
        const char literal = m == kDosDot ? '.' : m;
        return Upper(literal) == Upper(name[i]) && Match(name, length, i + 1, j + 1, memo);
    }

    std::string m_mask;
    std::string m_prefix;
    std::string m_suffix;
    bool m_plain = false;
};

inline bool FindPatternMatches(const std::string& pattern, const std::string& name,
                               const std::string& shortName)
{
    return FindMask(pattern).Matches(name, shortName);
}

}  // namespace platform
