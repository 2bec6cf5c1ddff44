// Core
#include "core/folders/ActionPath.h"

// Gtest
#include <gtest/gtest.h>

namespace {

TEST(ActionPath, ALostCharacterIsReachedThroughTheShortNameOrNotAtAll)
{
    struct Case {
        const char* path;
        const char* shortName;
        const char* expected;
    };
    const Case cases[] = {
        // A name the code page holds is acted on as listed, short name or not.
        {"C:\\Work\\ab.txt", "", "C:\\Work\\ab.txt"},
        {"C:\\Work\\A long name.txt", "ALONGN~1.TXT", "C:\\Work\\A long name.txt"},
        {"C:\\", "", "C:\\"},
        {"\\\\server\\share\\report.doc", "", "\\\\server\\share\\report.doc"},
        // A lost character: the short name stands in for the last part.
        {"C:\\Work\\??.txt", "__~~~2CT.TXT", "C:\\Work\\__~~~2CT.TXT"},
        {"C:\\??dir", "__DI~HGN", "C:\\__DI~HGN"},
        {"\\\\server\\share\\a?b", "AB~1", "\\\\server\\share\\AB~1"},
        // Without a usable short name there is no exact path.
        {"C:\\Work\\??.txt", "", ""},
        {"C:\\Work\\??.txt", "\"", ""},
        {"C:\\Work\\??.txt", "??~1.TXT", ""},
        {"C:\\Work\\??.txt", "A\\B.TXT", ""},
        {"C:\\Work\\??.txt", "TOOLONGNAME.TXT", ""},
        {"C:\\Work\\??.txt", "..", ""},
        {"C:\\Work\\*", "STAR", "C:\\Work\\STAR"},
        // A lost character in a folder above: the item's short name cannot mend it.
        {"C:\\??dir\\ab.txt", "", ""},
        {"C:\\??dir\\??.txt", "__~~~2CT.TXT", ""},
        // No last part to replace.
        {"??", "AB", ""},
        {"C:\\??\\", "AB", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ActionPath(c.path, c.shortName), c.expected) << c.path << " / " << c.shortName;
}

TEST(ActionPath, AnItemKeepsItsListedNameAndGivesItsExactPath)
{
    FileItem item;
    item.name = "??.txt";
    item.path = "Z:\\data\\??.txt";
    item.shortName = "__~~~2CT.TXT";
    EXPECT_EQ(ActionPathOf(item), "Z:\\data\\__~~~2CT.TXT");
    EXPECT_EQ(PlacePathOf(item), "Z:\\data\\__~~~2CT.TXT");
    EXPECT_EQ(item.name, "??.txt");
    item.shortName.clear();
    EXPECT_EQ(ActionPathOf(item), "");
    // Only for finding it: the place falls back to the path as listed.
    EXPECT_EQ(PlacePathOf(item), "Z:\\data\\??.txt");
}

TEST(ActionPath, PathsWithPatternsAreTakenOutAndTheRestKeepTheirOrder)
{
    std::vector<std::string> paths = {"C:\\a.txt", "C:\\??.txt", "C:\\b.txt", "C:\\*"};
    EXPECT_EQ(TakePatternPaths(paths), (std::vector<std::string>{"C:\\??.txt", "C:\\*"}));
    EXPECT_EQ(paths, (std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}));
}

TEST(ActionPath, ShortNamesAreCheckedCharacterByCharacter)
{
    for (const char* usable : {"A", "AB~1.TXT", "__~~~2CT.TXT", "12345678.123", "A B"})
        EXPECT_TRUE(IsUsableShortName(usable)) << usable;
    for (const char* refused : {"", ".", "..", "123456789.123", "A:B", "A/B", "A<B", "A>B", "A|B", "A\"B", "A*", "A\tB"})
        EXPECT_FALSE(IsUsableShortName(refused)) << refused;
    EXPECT_TRUE(HoldsPattern("C:\\a?b"));
    EXPECT_TRUE(HoldsPattern("*"));
    EXPECT_FALSE(HoldsPattern("C:\\a b.txt"));
}

}  // namespace
