// Core
#include "core/app/ObjectList.h"

// Tests
#include "core/app/StoreFixture.h"

// Standard library
#include <string>
#include <vector>

namespace {

// A stored object of our own: the name step and one byte.
class CTestObj : public CBaseObj {
public:
    CTestObj() = default;
    explicit CTestObj(std::string name) : CBaseObj(std::move(name), true) {}

    void LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId) override
    {
        std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId);
        if (!key) return;
        LoadName(*key);
        key->ReadByte("Value", m_value);
    }

    void SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId) override
    {
        std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId);
        if (!key) return;
        SaveName(*key);
        key->WriteNumber("Value", m_value, 1);
    }

    std::uint8_t m_value = 7;
};

const ObjectFactory kMakeTestObj = [] { return std::make_unique<CTestObj>(); };

// Lets a test fill a list past what Add allows.
class CRawList : public CObjectList {
public:
    using CObjectList::CObjectList;
    using CObjectList::Objects;
};

class ObjectListTest : public StoreTest {
protected:
    std::unique_ptr<CObjectList> NewList(int section = SectionId::Rules)
    {
        return std::make_unique<CObjectList>(Store(), kMakeTestObj, section, 30);
    }

    static std::vector<std::string> Names(const CObjectList& list)
    {
        std::vector<std::string> names;
        for (int i = 0; i < list.Count(); ++i) names.push_back(list.At(i)->Name());
        return names;
    }

    const std::string m_rules = SectionPath("Rules");
};

TEST_P(ObjectListTest, RemovingTheMiddleObjectRenumbersTheStoredObjects)
{
    {
        auto list = NewList();
        for (const char* name : {"A", "B", "C"}) list->Add(std::make_unique<CTestObj>(name));
        list->SaveAll();
        EXPECT_EQ(SubKeys(m_rules), (std::vector<std::string>{"Object0", "Object1", "Object2"}));
        EXPECT_EQ(list->RemoveAt(1, true), nullptr);
        list->SaveAll();
    }
    EXPECT_EQ(SubKeys(m_rules), (std::vector<std::string>{"Object0", "Object1"}));
    EXPECT_EQ(ReadRawText(m_rules + "\\Object0", "Name"), std::string("A", 2));
    EXPECT_EQ(ReadRawText(m_rules + "\\Object1", "Name"), std::string("C", 2));
    EXPECT_FALSE(Exists(m_rules + "\\Object2"));

    auto reloaded = NewList();
    EXPECT_EQ(Names(*reloaded), (std::vector<std::string>{"A", "C"}));
}

TEST_P(ObjectListTest, UniquenessIgnoresCaseAndBlanksWhileFindByNameIsExact)
{
    CObjectList list(Store(), nullptr, SectionId::Rules, CObjectList::kNoCapacity);
    CBaseObj* user0 = list.Add(std::make_unique<CTestObj>("User0"));
    list.Add(std::make_unique<CTestObj>("user1"));

    EXPECT_EQ(list.MakeUniqueName("User"), "User2");
    EXPECT_EQ(list.FindByName("User0"), user0);
    EXPECT_EQ(list.FindByName("user0"), nullptr);
    EXPECT_EQ(list.FindByName(" User0"), nullptr);
    EXPECT_TRUE(list.NameExists("user0"));
    EXPECT_TRUE(list.NameExists("  USER1\t"));
    EXPECT_FALSE(list.NameExists("User2"));
    EXPECT_FALSE(list.NameExistsExcept(user0, " user0 "));
    EXPECT_TRUE(list.NameExistsExcept(user0, "USER1"));
    EXPECT_EQ(list.MakeUniqueName("Other"), "Other0");
}

TEST_P(ObjectListTest, MakeUniqueNameGivesUpAfter9999)
{
    CRawList list(Store(), nullptr, SectionId::Rules, CObjectList::kNoCapacity);
    for (int i = 0; i <= 9999; ++i)
        list.Objects().push_back(std::make_unique<CTestObj>("N" + std::to_string(i)));
    EXPECT_EQ(list.MakeUniqueName("N"), "");
    list.Objects().pop_back();
    EXPECT_EQ(list.MakeUniqueName("n"), "n9999");
}

TEST_P(ObjectListTest, RemoveAtHandsTheObjectBackWhenNotDeleting)
{
    CObjectList list(Store(), nullptr, SectionId::Rules, 30);
    for (const char* name : {"A", "B", "C"}) list.Add(std::make_unique<CTestObj>(name));
    std::unique_ptr<CBaseObj> b = list.RemoveAt(1, false);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Name(), "B");
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(list.RemoveAt(2, false), nullptr);
    EXPECT_EQ(list.RemoveAt(-1, true), nullptr);
    EXPECT_TRUE(list.Swap(0, 1));
    EXPECT_FALSE(list.Swap(0, 2));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"C", "A"}));
    EXPECT_EQ(list.At(2), nullptr);
    EXPECT_EQ(list.Add(nullptr), nullptr);
}

TEST_P(ObjectListTest, ADestroyedListSavesItselfAndOneWithoutFactoryWritesNothing)
{
    {
        auto list = NewList(SectionId::Favorites);
        list->Add(std::make_unique<CTestObj>("Kept"));
    }
    EXPECT_EQ(SubKeys(SectionPath("Favorites")), (std::vector<std::string>{"Object0"}));
    {
        // Like the bookmarks list: filled and dropped, never stored. Neither is
        // anything already stored in the section touched.
        CObjectList bookmarks(Store(), nullptr, SectionId::Favorites, CObjectList::kNoCapacity);
        EXPECT_EQ(bookmarks.Count(), 0);
        bookmarks.Add(std::make_unique<CTestObj>("Mark"));
        bookmarks.Add(std::make_unique<CTestObj>("Other"));
    }
    EXPECT_EQ(SubKeys(SectionPath("Favorites")), (std::vector<std::string>{"Object0"}));
    EXPECT_EQ(ReadRawText(SectionPath("Favorites") + "\\Object0", "Name"), std::string("Kept", 5));
}

TEST_P(ObjectListTest, NumberedRecordsLoadInNumberOrderAndForeignKeysFollowInRegistryOrder)
{
    // The registry itself gives Object10 before Object2.
    for (const char* key : {"Zeta", "Object2", "alpha", "Object10", "Object0", "object1",
                            "ObjectX", "Object"}) {
        WriteRawText(m_rules + "\\" + key, "Name", key);
    }
    auto list = NewList();
    EXPECT_EQ(Names(*list), (std::vector<std::string>{"Object0", "object1", "Object2", "Object10",
                                                      "alpha", "Object", "ObjectX", "Zeta"}));
}

TEST_P(ObjectListTest, DamagedRecordsLoadDefaults)
{
    WriteRaw(m_rules + "\\Object0", "Name", platform::kRegBinary, {'B', 'a', 'd', 0});
    WriteRaw(m_rules + "\\Object0", "Value", platform::kRegNone, {1, 2, 3, 4});
    CreateRawKey(m_rules + "\\Object1");
    WriteRaw(m_rules + "\\Object2", "Name", platform::kRegSz, {'N', 'o', 'Z', 'e', 'r', 'o'});
    WriteRaw(m_rules + "\\Object2", "Value", platform::kRegNone, {});
    WriteRawText(m_rules + "\\Object3", "Name", std::string(300, 'x'));

    auto list = NewList();
    ASSERT_EQ(list->Count(), 4);
    auto at = [&](int i) { return static_cast<CTestObj*>(list->At(i)); };
    EXPECT_EQ(at(0)->Name(), "");
    EXPECT_EQ(at(0)->m_value, 7);
    EXPECT_EQ(at(1)->Name(), "");
    EXPECT_EQ(at(1)->m_value, 7);
    EXPECT_EQ(at(2)->Name(), "NoZero");
    EXPECT_EQ(at(3)->Name(), "");
}

TEST_P(ObjectListTest, AGapInTheNumberingIsClosedAtTheNextSave)
{
    for (const char* key : {"Object0", "Object3", "Object7"}) WriteRawText(m_rules + "\\" + key, "Name", key);
    {
        auto list = NewList();
        EXPECT_EQ(Names(*list), (std::vector<std::string>{"Object0", "Object3", "Object7"}));
    }
    EXPECT_EQ(SubKeys(m_rules), (std::vector<std::string>{"Object0", "Object1", "Object2"}));
    EXPECT_EQ(ReadRawText(m_rules + "\\Object2", "Name"), std::string("Object7", 8));
}

TEST_P(ObjectListTest, AListHoldsAtMostAThousandObjects)
{
    {
        auto list = NewList();
        for (int i = 0; i < 1000; ++i)
            ASSERT_NE(list->Add(std::make_unique<CTestObj>("N" + std::to_string(i))), nullptr);
        EXPECT_EQ(list->Add(std::make_unique<CTestObj>("N1000")), nullptr);
        EXPECT_EQ(list->Count(), 1000);
    }
    // A 1001st record planted beside the others: it cannot be named in the
    // buffer, and a foreign name past the thousandth is not taken either.
    WriteRawText(m_rules + "\\Object1000", "Name", "N1000");
    WriteRawText(m_rules + "\\Extra", "Name", "Extra");
    auto list = NewList();
    ASSERT_EQ(list->Count(), 1000);
    EXPECT_EQ(list->At(0)->Name(), "N0");
    EXPECT_EQ(list->At(999)->Name(), "N999");
    EXPECT_EQ(list->FindByName("Extra"), nullptr);
}

TEST_P(ObjectListTest, ASectionThatIsNotOpenLoadsNothingAndSavesNothing)
{
    // A store whose user keys were never opened.
    CSettingsStore bare(Registry(), kTestVersion, WindowsNT());
    {
        CObjectList list(bare, kMakeTestObj, SectionId::Rules, 30);
        EXPECT_EQ(list.Count(), 0);
        list.Add(std::make_unique<CTestObj>("Lost"));
        list.SaveAll();
        CObjectList beyond(bare, kMakeTestObj, SectionId::Count, 30);
        EXPECT_EQ(beyond.Count(), 0);
    }
    EXPECT_EQ(ReadRawText(std::string(kRoot) + "\\Object0", "Name"), "");
}

INSTANTIATE_FOR_EVERY_REGISTRY(ObjectListTest);

}  // namespace
