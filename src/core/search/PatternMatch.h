#pragma once
// The program's own name matching: pattern lists as typed by the user, and the
// wildcard test used on items that are already listed (files-view filters).

// Standard library
#include <cstddef>
#include <string>
#include <vector>

inline constexpr std::size_t kMaxPatterns = 100;
inline constexpr char kAllFilesPattern[] = "*.*";

// Splits a comma-separated pattern text: the whole text and each part are
// trimmed; one entry more than the text has commas, at most kMaxPatterns (the
// rest of a longer text is dropped).
std::vector<std::string> SplitPatterns(const std::string& text);

// The search's splitting: as SplitPatterns, but a part equal to "*.*" replaces
// the whole list and ends the splitting.
std::vector<std::string> SplitSearchPatterns(const std::string& text);

// Name base and extension against the pattern's, each with MatchWildcard,
// without regard to case.
bool MatchFileName(const std::string& name, const std::string& pattern);

// Byte-wise wildcard test. A "*" followed by more pattern jumps to the LAST
// occurrence of the next literal in the whole text, so '*AB*' does not match
// 'ABXA'. Case is compared as given.
bool MatchWildcard(const std::string& text, const std::string& pattern);
