#include "core/search/PatternMatch.h"

// Standard library
#include <cctype>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string TrimLeft(const std::string& text)
{
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    return text.substr(first);
}

std::string TrimRight(const std::string& text)
{
    std::size_t last = text.size();
    while (last > 0 && IsBlank(text[last - 1])) --last;
    return text.substr(0, last);
}

std::string Upper(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Splits at the dot that `dot` found: base before, extension after. No dot:
// the whole text and "*". `leadingBase` is the base of a text starting with ".".
void SplitAtDot(const std::string& text, std::size_t dot, const char* leadingBase,
                std::string& base, std::string& extension)
{
    if (dot == std::string::npos) {
        base = text;
        extension = "*";
    } else if (dot == 0) {
        base = leadingBase;
        extension = text.substr(1);
    } else {
        base = text.substr(0, dot);
        extension = text.substr(dot + 1);
    }
}

std::vector<std::string> Split(const std::string& text, bool allFilesEndsList)
{
    std::vector<std::string> patterns;
    std::string rest = TrimRight(TrimLeft(text));
    std::size_t comma;
    while ((comma = rest.find(',')) != std::string::npos) {
        std::string part = TrimRight(rest.substr(0, comma));
        if (allFilesEndsList && part == kAllFilesPattern) return {part};
        if (patterns.size() == kMaxPatterns) return patterns;
        patterns.push_back(std::move(part));
        rest = TrimLeft(rest.substr(comma + 1));
    }
    if (allFilesEndsList && rest == kAllFilesPattern) return {rest};
    if (patterns.size() < kMaxPatterns) patterns.push_back(std::move(rest));
    return patterns;
}

}  // namespace

std::vector<std::string> SplitPatterns(const std::string& text) { return Split(text, false); }

std::vector<std::string> SplitSearchPatterns(const std::string& text) { return Split(text, true); }

bool MatchFileName(const std::string& name, const std::string& pattern)
{
    std::string patternBase, patternExtension, nameBase, nameExtension;
    SplitAtDot(pattern, pattern.rfind('.'), "*", patternBase, patternExtension);
    SplitAtDot(name, name.find('.'), "", nameBase, nameExtension);
    return MatchWildcard(Upper(nameBase), Upper(patternBase)) &&
           MatchWildcard(Upper(nameExtension), Upper(patternExtension));
}

bool MatchWildcard(const std::string& text, const std::string& pattern)
{
    if (pattern == "*") return true;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < pattern.size()) {
        if (j >= text.size()) return false;
        char p = pattern[i];
        if (p == '?') {
            ++i;
            ++j;
            continue;
        }
        if (p == '*') {
            while (i < pattern.size() && (pattern[i] == '*' || pattern[i] == '?')) ++i;
            if (i == pattern.size()) return true;
            std::size_t last = text.rfind(pattern[i]);
            if (last == std::string::npos) return false;
            j = last;
            p = pattern[i];
        }
        if (text[j] != p) return false;
        ++i;
        ++j;
    }
    return j == text.size();
}
