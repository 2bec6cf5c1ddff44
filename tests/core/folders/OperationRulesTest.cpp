// Core
#include "core/folders/OperationRules.h"

// Standard library
#include <set>
#include <string>
#include <vector>

// Gtest
#include <gtest/gtest.h>

namespace {

using namespace fileops;
using Paths = std::vector<std::string>;

TEST(OperationRules, DragOverEffectFollowsTargetThenKeys)
{
    const std::uint32_t leftButton = 0x01;
    struct Case {
        bool recycleBin;
        bool acceptsDrops;
        const char* first;
        std::uint32_t keys;
        Effect expected;
    };
    const Case cases[] = {
        // The Recycle Bin always takes a move, whatever the keys.
        {true, false, "C:\\a.txt", kKeyControl, Effect::Move},
        {true, true, "C:\\", 0, Effect::Move},
        // A folder that takes no drops refuses.
        {false, false, "C:\\a.txt", 0, Effect::None},
        // A drive root can only be linked to.
        {false, true, "D:\\", kKeyControl, Effect::Link},
        {false, true, "D\\", 0, Effect::Link},
        {false, true, "D:", 0, Effect::Move},
        {false, true, "C:\\Data\\", 0, Effect::Move},
        // Keys: the mouse buttons do not count.
        {false, true, "C:\\a.txt", 0, Effect::Move},
        {false, true, "C:\\a.txt", leftButton, Effect::Move},
        {false, true, "C:\\a.txt", kKeyShift, Effect::Move},
        {false, true, "C:\\a.txt", kKeyControl | leftButton, Effect::Copy},
        {false, true, "C:\\a.txt", kKeyControl | kKeyShift, Effect::Link},
        {false, true, "C:\\a.txt", kKeyAlt, Effect::None},
        {false, true, "C:\\a.txt", kKeyAlt | kKeyControl, Effect::None},
        {false, true, "C:\\a.txt", kKeyAlt | kKeyShift | kKeyControl, Effect::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DragOverEffect(c.recycleBin, c.acceptsDrops, c.first, c.keys), c.expected)
            << c.first << " keys " << c.keys << " bin " << c.recycleBin << " accepts " << c.acceptsDrops;
}

TEST(OperationRules, PathListEndsEachPathAndTheListWithAZero)
{
    static const char expected[] = "C:\\a.txt\0D:\\b\0";  // and the literal's own zero
    EXPECT_EQ(PathList({"C:\\a.txt", "D:\\b"}), std::string(expected, sizeof(expected)));
    EXPECT_EQ(PathList({}), std::string(1, '\0'));
}

TEST(OperationRules, PastedItemsAreNewUnlessListedInTheTargetItself)
{
    const std::set<std::string> rows = {"a.txt", "Sub"};
    auto hasRow = [&](const std::string& name) { return rows.count(name) != 0; };
    struct Case {
        Paths paths;
        const char* target;
        bool anyNew;
    };
    const Case cases[] = {
        {{"C:\\Work\\a.txt"}, "C:\\Work", false},
        {{"c:\\WORK\\a.txt", "C:\\Work\\Sub"}, "C:\\Work\\", false},  // case and closing "\" ignored
        {{"C:\\Work\\a.txt", "C:\\Work\\b.txt"}, "C:\\Work", true},    // b.txt has no row
        {{"C:\\Other\\a.txt"}, "C:\\Work", true},                      // same name, other folder
        {{"C:\\Work\\Sub\\a.txt"}, "C:\\Work", true},
        {{"C:\\a.txt"}, "C:\\", false},
        {{}, "C:\\Work", false},
    };
    for (const Case& c : cases) EXPECT_EQ(AnyPastedNew(c.paths, c.target, hasRow), c.anyNew) << c.target;
}

TEST(OperationRules, DroppedItemsAreNewOntoARowOrFromAnotherFolder)
{
    EXPECT_FALSE(AnyDroppedNew({"C:\\Work\\a.txt", "C:\\work\\b"}, "C:\\Work", false));
    EXPECT_TRUE(AnyDroppedNew({"C:\\Work\\a.txt", "C:\\Else\\b"}, "C:\\Work", false));
    // Onto a folder's row the target is that folder: every file is new.
    EXPECT_TRUE(AnyDroppedNew({"C:\\Work\\a.txt"}, "C:\\Work", true));
    EXPECT_FALSE(AnyDroppedNew({}, "C:\\Work", true));
}

TEST(OperationRules, RequestsThatCannotBeRightAreRefusedBeforehand)
{
    const std::set<std::string> onDisk = {"C:\\Work", "C:\\Work\\Sub", "C:\\Work\\a.txt", "C:\\Workshop"};
    auto exists = [&](const std::string& path) { return onDisk.count(path) != 0; };
    struct Case {
        Function function;
        Paths sources;
        const char* target;
        Refusal refusal;
        const char* path;
    };
    const Case cases[] = {
        {Function::Copy, {}, "C:\\Else", Refusal::EmptyList, ""},
        {Function::Move, {"C:\\Work\\gone.txt"}, "C:\\Else", Refusal::SourceMissing, "C:\\Work\\gone.txt"},
        {Function::Delete, {"C:\\Work\\a.txt", "C:\\Work\\gone"}, "", Refusal::SourceMissing, "C:\\Work\\gone"},
        // A folder into itself or into one of its own folders.
        {Function::Move, {"C:\\Work"}, "C:\\Work\\Sub", Refusal::TargetInsideSource, "C:\\Work"},
        {Function::Copy, {"C:\\Work\\a.txt", "C:\\Work"}, "c:\\work\\", Refusal::TargetInsideSource, "C:\\Work"},
        {Function::Move, {"C:\\Work\\Sub"}, "C:\\Work\\Sub\\Deeper\\", Refusal::TargetInsideSource, "C:\\Work\\Sub"},
        // A name that only begins like the source's is another folder.
        {Function::Move, {"C:\\Work"}, "C:\\Workshop", Refusal::None, ""},
        {Function::Move, {"C:\\Work\\Sub"}, "C:\\Work", Refusal::None, ""},
        // Deleting has no target to fall inside.
        {Function::Delete, {"C:\\Work"}, "", Refusal::None, ""},
        // The shell would take these as patterns and touch other files.
        {Function::Delete, {"C:\\Work\\??.txt"}, "", Refusal::WildcardName, "C:\\Work\\??.txt"},
        {Function::Copy, {"C:\\Work\\*"}, "C:\\Else", Refusal::WildcardName, "C:\\Work\\*"},
    };
    for (const Case& c : cases) {
        const Check check = CheckRequest(c.function, c.sources, c.target, exists);
        EXPECT_EQ(check.refusal, c.refusal) << c.target;
        EXPECT_EQ(check.path, c.path) << c.target;
    }
}

TEST(OperationRules, DeleteFlagsFollowTheConfirmationsAndTheRecycleBin)
{
    EXPECT_EQ(DeleteFlags(true, true), kRenameOnCollision | kAllowUndo);
    EXPECT_EQ(DeleteFlags(true, false), kRenameOnCollision);
    EXPECT_EQ(DeleteFlags(false, true), kNoConfirmation | kAllowUndo);
    EXPECT_EQ(DeleteFlags(false, false), kNoConfirmation);
}

TEST(OperationRules, NewFolderNameIsTheFirstFreeNumber)
{
    struct Case {
        std::set<std::string> taken;
        const char* expected;
    };
    const Case cases[] = {
        {{}, "NewFolder1"},
        {{"NewFolder1", "NewFolder2"}, "NewFolder3"},
        {{"NewFolder2"}, "NewFolder1"},
        {{"NewFolder1", "NewFolder3"}, "NewFolder2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProposeFolderName("NewFolder", [&](const std::string& name) { return c.taken.count(name) != 0; }),
                  c.expected);
    int asked = 0;
    EXPECT_EQ(ProposeFolderName("NewFolder", [&](const std::string&) { return ++asked, true; }), "");
    EXPECT_EQ(asked, 9999);
}

TEST(OperationRules, PathsJoinAndChangeExtension)
{
    EXPECT_EQ(JoinPath("C:\\", "x"), "C:\\x");
    EXPECT_EQ(JoinPath("C:\\Work", "x"), "C:\\Work\\x");
    EXPECT_EQ(WithExtension("C:\\Work\\plan.txt", "doc"), "C:\\Work\\plan.doc");
    EXPECT_EQ(WithExtension("C:\\Work\\plan", "doc"), "C:\\Work\\plan.doc");
    EXPECT_EQ(WithExtension("C:\\My.Work\\plan", "doc"), "C:\\My.Work\\plan.doc");
    EXPECT_EQ(WithExtension("C:\\Work\\plan.tar.gz", "zip"), "C:\\Work\\plan.tar.zip");
    EXPECT_EQ(WithExtension("C:\\Work\\plan.txt", ""), "C:\\Work\\plan");
}

}  // namespace
