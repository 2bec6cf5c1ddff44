// Core
#include "core/search/PatternMatch.h"

// Platform
#include "platform/DirectoryLister.h"

// Standard library
#include <cctype>
#include <random>
#include <string>
#include <vector>

// Gtest
#include <gtest/gtest.h>

namespace {

struct MatchCase {
    const char* text;
    const char* pattern;
    bool matches;
};

TEST(MatchWildcard, FollowsTheTable)
{
    const MatchCase cases[] = {
        {"", "*", true},
        {"", "?", false},
        {"", "A*", false},
        {"ABC", "ABC", true},
        {"ABC", "AB", false},
        {"ABC", "ABC*", false},  // a trailing star does not rescue an ended text
        {"ABC", "A?C", true},
        {"ABC", "*B", false},
        {"BANANAN", "*AN", true},
        {"ABXA", "*AB*", false},  // jumps to the last 'A', after which no 'B' follows
        {"XBXA", "*A*B", false},  // the jump leaves nothing for the rest
        {"ABAB", "*AB", true},
        {"AXBXC", "*X?C", false},  // lands on the last X, one character short
        {"AXBXC", "*?C", true},   // "?" after "*" consumes nothing
        {"abc", "ABC", false},    // case is compared as given
    };
    for (const MatchCase& c : cases)
        EXPECT_EQ(MatchWildcard(c.text, c.pattern), c.matches)
            << "'" << c.text << "' against '" << c.pattern << "'";
}

TEST(MatchFileName, SplitsNameAtFirstDotAndPatternAtLastDot)
{
    const MatchCase cases[] = {
        {"readme.txt", "*.TXT", true},
        {"readme", "*.TXT", false},
        {"a.b.txt", "*.TXT", false},  // the name's extension is 'b.txt'
        {"a.b.txt", "*.*", true},
        {".profile", "*.*", true},
        {"abc.anything", "abc", true},
        {"abcd", "abc", false},
        {"x.txt", ".txt", true},      // a leading dot makes the pattern base "*"
        {".txt", "*.txt", true},
        {"name", "", false},          // an empty pattern finds only dot names
        {".name", "", true},
        {"file.cc", "*.?", false},
        {"a.b.c", "*.b.c", false},  // name base "a" against pattern base "*.b"
    };
    for (const MatchCase& c : cases)
        EXPECT_EQ(MatchFileName(c.text, c.pattern), c.matches)
            << "'" << c.text << "' against '" << c.pattern << "'";
}

TEST(SplitPatterns, TrimsPartsAndAllFilesReplacesTheSearchList)
{
    EXPECT_EQ(SplitPatterns(" *.txt , *.doc "), (std::vector<std::string>{"*.txt", "*.doc"}));
    EXPECT_EQ(SplitPatterns("a,,b,"), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(SplitSearchPatterns("*.txt,*.*,*.doc"), (std::vector<std::string>{"*.*"}));
    EXPECT_EQ(SplitSearchPatterns(" *.doc , *.* "), (std::vector<std::string>{"*.*"}));
    EXPECT_EQ(SplitSearchPatterns("*.**"), (std::vector<std::string>{"*.**"}));
}

TEST(FindMask, FollowsThePlatformRules)
{
    struct FindCase { const char* pattern; const char* name; const char* shortName; bool matches; };
    const std::string longName(200, 'a');
    const FindCase cases[] = {
        {"*.*", "readme", "", true},       // ".*" may match nothing
        {"*.*", ".", "", true},
        {"*.txt", "a.b.txt", "", true},    // unlike the program's own matcher
        {"*.txt", "a.txt2", "", false},
        {"*.txt", "a.txt2", "A~1.TXT", true},  // found through the short name
        {"*.txt", ".txt", "", true},
        {"*.txt", "..", "", false},
        {"a?c", "ac", "", false},
        {"a??", "a", "", true},        // "?" may match nothing at the end
        {"a?.txt", "a.txt", "", true},     // ... or at a dot
        {"*.?", "file", "", true},
        {"*.?", "file.cc", "", true},   // the dot and "?" may match nothing at the end
        {"*.t?t", "x.txt", "", true},
        {"*a*a*a*a*a*a*a*a*a*b", longName.c_str(), "", false},
        {"readme.txt", "readme.txtx", "", false},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(platform::FindMask(c.pattern).Matches(c.name, c.shortName), c.matches)
            << "'" << c.name << "' against '" << c.pattern << "'";
}

TEST(FindMask, PlainPatternsAreTheShapesEveryPlatformMatchesAlike)
{
    const char* plain[] = {"*.txt", "*.*", "abc*.*", "a*.txt", "*.tar.gz"};
    for (const char* pattern : plain) EXPECT_TRUE(platform::IsPlainFindPattern(pattern)) << pattern;
    const char* other[] = {"readme.txt", "a?c*", "*.?", "sub\\*.txt", "", "a*b*c",
                           "*aa" /* overlaps itself: matchers differ */, "*.txt "};
    for (const char* pattern : other) EXPECT_FALSE(platform::IsPlainFindPattern(pattern)) << pattern;
}

// A slow, obviously right version of MatchWildcard's documented rules, for the
// randomised comparison.
bool ReferenceWildcard(const std::string& text, const std::string& pattern)
{
    if (pattern == "*") return true;
    std::size_t i = 0, j = 0;
    for (; i < pattern.size(); ++i, ++j) {
        if (j >= text.size()) return false;
        if (pattern[i] == '?') continue;
        if (pattern[i] == '*') {
            while (i < pattern.size() && (pattern[i] == '*' || pattern[i] == '?')) ++i;
            if (i == pattern.size()) return true;
            bool found = false;
            for (std::size_t k = text.size(); k-- > 0;)
                if (text[k] == pattern[i]) {
                    j = k;
                    found = true;
                    break;
                }
            if (!found) return false;
        }
        if (text[j] != pattern[i]) return false;
    }
    return j == text.size();
}

// Plain backtracking over "*" and "?" without the jump: where the pattern has
// no "*" both must agree.
bool BacktrackingWildcard(const char* text, const char* pattern)
{
    if (*pattern == '\0') return *text == '\0';
    if (*pattern == '*') return BacktrackingWildcard(text, pattern + 1) ||
                                (*text && BacktrackingWildcard(text + 1, pattern));
    return *text && (*pattern == '?' || *pattern == *text) &&
           BacktrackingWildcard(text + 1, pattern + 1);
}

std::string RandomString(std::mt19937& random, const std::string& alphabet, std::size_t maxLength)
{
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(length(random), ' ');
    for (char& c : text) c = alphabet[pick(random)];
    return text;
}

TEST(MatcherFuzz, AgreesWithReferencesAndNeverOverruns)
{
    std::mt19937 random(20240601);
    for (int round = 0; round < 40000; ++round) {
        const std::string text = RandomString(random, "AB.", 9);
        const std::string pattern = RandomString(random, "AB.*?", 7);
        const bool matched = MatchWildcard(text, pattern);
        ASSERT_EQ(matched, ReferenceWildcard(text, pattern)) << text << " / " << pattern;
        if (pattern.find('*') == std::string::npos) {
            ASSERT_EQ(matched, BacktrackingWildcard(text.c_str(), pattern.c_str()))
                << text << " / " << pattern;
        }
        // The file-name form is built from the same parts; it must not disagree
        // with itself under case folding.
        std::string lower = text;
        for (char& c : lower) c = static_cast<char>(c == 'A' ? 'a' : c);
        ASSERT_EQ(MatchFileName(text, pattern), MatchFileName(lower, pattern));
    }
}

TEST(MatcherFuzz, SplitterKeepsCountsAndBounds)
{
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = RandomString(random, "a*., \t", 400);
        const std::vector<std::string> patterns = SplitPatterns(text);
        std::size_t commas = 0;
        for (char c : text) commas += c == ',';
        ASSERT_EQ(patterns.size(), std::min(commas + 1, kMaxPatterns)) << text;
        for (const std::string& p : patterns) {
            ASSERT_TRUE(p.empty() || (p.front() != ' ' && p.back() != ' ')) << p;
            ASSERT_EQ(p.find(','), std::string::npos);
        }
        const std::vector<std::string> search = SplitSearchPatterns(text);
        ASSERT_FALSE(search.empty());
        ASSERT_LE(search.size(), kMaxPatterns);
    }
}

// The platform's rules over random names: no overrun, and agreement with a
// plain backtracking matcher where no dot rule can apply.
TEST(MatcherFuzz, FindMaskAgreesWithBacktrackingWithoutDots)
{
    std::mt19937 random(99);
    for (int round = 0; round < 20000; ++round) {
        const std::string name = RandomString(random, "aB", 10);
        std::string pattern = RandomString(random, "ab*?", 6);
        if (pattern.find('?') != std::string::npos) pattern += "x";  // no "?" at the end
        std::string upperName = name, upperPattern = pattern;
        for (std::string* t : {&upperName, &upperPattern})
            for (char& c : *t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        ASSERT_EQ(platform::FindMask(pattern).Matches(name, ""),
                  BacktrackingWildcard(upperName.c_str(), upperPattern.c_str()))
            << name << " / " << pattern;
    }
}

}  // namespace
