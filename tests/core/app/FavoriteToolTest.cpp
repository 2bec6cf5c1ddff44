// Core
#include "core/app/Favorite.h"
#include "core/app/Tool.h"

// Tests
#include "core/app/StoreFixture.h"

namespace {

class FavoriteToolTest : public StoreTest {
protected:
    Bytes Text(const std::string& text) { return Bytes(text.c_str(), text.c_str() + text.size() + 1); }
};

TEST_P(FavoriteToolTest, AFavoriteAlwaysUsesTheFavoritesSection)
{
    CFavorite favorite;
    favorite.SetName("Docs");
    favorite.SetCommand("C:\\Docs");
    favorite.SetOpenModeByte(0);
    favorite.SaveTo(Store(), "Object0", SectionId::Tools);
    EXPECT_FALSE(Exists(SectionPath("Tools") + "\\Object0"));
    const std::string record = SectionPath("Favorites") + "\\Object0";
    std::uint32_t type = 99;
    EXPECT_EQ(ReadRaw(record, "Name", &type), Text("Docs"));
    EXPECT_EQ(type, platform::kRegSz);
    EXPECT_EQ(ReadRaw(record, "Command"), Text("C:\\Docs"));
    EXPECT_EQ(ReadRaw(record, "Open Mode", &type), Bytes{0});
    EXPECT_EQ(type, platform::kRegNone);

    CFavorite loaded;
    EXPECT_TRUE(loaded.OpensInTrailmark());
    loaded.LoadFrom(Store(), "Object0", SectionId::Tools);
    EXPECT_EQ(std::tie(loaded.Name(), loaded.Command()), std::tie("Docs", "C:\\Docs"));
    EXPECT_EQ(loaded.OpenModeByte(), 0);
}

TEST_P(FavoriteToolTest, AToolUsesTheSectionItIsGiven)
{
    CTool tool;
    tool.SetName("Notepad");
    tool.SetCommand("C:\\Windows\\Notepad.exe");
    tool.SetOpenModeByte(0);
    tool.SetDirectory("C:\\Temp");
    tool.SetArguments("readme.txt");
    tool.SetPromptForArguments(true);
    tool.SaveTo(Store(), "Object3", SectionId::Runs);
    const std::string record = SectionPath("Runs") + "\\Object3";
    EXPECT_FALSE(Exists(SectionPath("Favorites") + "\\Object3"));
    EXPECT_EQ(ReadRaw(record, "Dir"), Text("C:\\Temp"));
    EXPECT_EQ(ReadRaw(record, "Args"), Text("readme.txt"));
    EXPECT_EQ(ReadRaw(record, "Prompt"), Bytes{1});
    EXPECT_EQ(ReadRaw(record, "Open Mode"), Bytes{0});

    CTool loaded;
    loaded.LoadFrom(Store(), "Object3", SectionId::Runs);
    EXPECT_EQ(std::tie(loaded.Name(), loaded.Command(), loaded.Directory(), loaded.Arguments()),
              std::tie("Notepad", "C:\\Windows\\Notepad.exe", "C:\\Temp", "readme.txt"));
    EXPECT_EQ(loaded.OpenModeByte(), 0);
    EXPECT_TRUE(loaded.PromptForArguments());
}

TEST_P(FavoriteToolTest, MissingOrDamagedValuesKeepTheDefaults)
{
    const std::string record = SectionPath("Tools") + "\\Object0";
    WriteRaw(record, "Name", platform::kRegNone, {'X', 0});
    WriteRaw(record, "Open Mode", platform::kRegNone, {0, 0, 0, 0});
    WriteRaw(record, "Prompt", platform::kRegNone, {});
    WriteRaw(record, "Dir", platform::kRegBinary, {'D', 0});
    WriteRawText(record, "Args", "-x");
    CTool tool;
    tool.LoadFrom(Store(), "Object0", SectionId::Tools);
    EXPECT_EQ(std::tie(tool.Name(), tool.Command(), tool.Directory(), tool.Arguments()),
              std::tie("", "", "", "-x"));
    EXPECT_EQ(tool.OpenModeByte(), 1);
    EXPECT_FALSE(tool.PromptForArguments());

    // A record that is not there, or a key name that would leave the section.
    CTool absent;
    absent.LoadFrom(Store(), "Object9", SectionId::Tools);
    EXPECT_EQ(absent.OpenModeByte(), 1);
    absent.SaveTo(Store(), "", SectionId::Tools);
    absent.SaveTo(Store(), "Object0\\Deeper", SectionId::Tools);
    EXPECT_FALSE(HasValue(SectionPath("Tools"), "Name"));
    EXPECT_FALSE(Exists(record + "\\Deeper"));
}

INSTANTIATE_FOR_EVERY_REGISTRY(FavoriteToolTest);

}  // namespace
