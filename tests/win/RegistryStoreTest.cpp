// The registry store against Wine's registry, under a key of its own.
#include <gtest/gtest.h>

#include "RegistryStore.h"

namespace pennantry {
namespace {

constexpr const char* TestKey = "Software\\Tessivar\\PennantryTest";

class RegistryStoreTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, TestKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, TestKey); }

    // A value set by hand, bytes and type as given.
    static void SetRaw(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, TestKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), 0);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    RegistryStore store{HKEY_CURRENT_USER, TestKey};
};

TEST_F(RegistryStoreTest, KeepsEighteenTextsAsWrittenAndErasesThem)
{
    ASSERT_TRUE(store.Open());
    const std::vector<std::string> names{"BA", "B1", "B2", "B3", "HC", "MC", "HP", "MP", "HH", "MH", "HR", "MR", "HRS", "MRS",
                                         "IN", "IP", "OU", "ST"};
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& name : names)
        values.emplace_back(name, name + "-" + std::to_string(values.size()));
    values[0].second = "";
    values[14].second = std::string(99, '9');
    EXPECT_EQ(store.Write(values), std::nullopt);
    for (const auto& [name, text] : values)
        EXPECT_EQ(store.Read(name), text) << name;

    EXPECT_EQ(store.Erase(names), std::nullopt);
    for (const auto& name : names)
        EXPECT_EQ(store.Read(name), std::nullopt) << name;
}

TEST_F(RegistryStoreTest, ReadsOnlyWholeTextValuesOfAtMost99Characters)
{
    ASSERT_TRUE(store.Open());
    const std::string longest(99, 'x'), tooLong(100, 'x');
    const DWORD number = 7;
    SetRaw("OK", REG_SZ, longest.data(), 99);
    SetRaw("LONG", REG_SZ, tooLong.data(), 100);
    SetRaw("HUGE", REG_SZ, std::string(5000, 'y').data(), 5000);
    SetRaw("NUMBER", REG_DWORD, &number, sizeof number);
    SetRaw("BINARY", REG_BINARY, "12", 2);
    SetRaw("EXPAND", REG_EXPAND_SZ, "12", 3);
    SetRaw("ENDED", REG_SZ, "12\0junk", 8);
    SetRaw("EMPTY", REG_SZ, "", 0);

    EXPECT_EQ(store.Read("OK"), longest);
    EXPECT_EQ(store.Read("ENDED"), "12");
    EXPECT_EQ(store.Read("EMPTY"), "");
    for (const char* unreadable : {"LONG", "HUGE", "NUMBER", "BINARY", "EXPAND", "MISSING"})
        EXPECT_EQ(store.Read(unreadable), std::nullopt) << unreadable;
}

TEST_F(RegistryStoreTest, FailsToOpenWhereTheKeyCannotBeCreated)
{
    // A volatile key cannot hold the store's lasting one.
    HKEY parent = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, TestKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr, &parent,
                              nullptr),
              0);
    RegCloseKey(parent);
    RegistryStore blocked(HKEY_CURRENT_USER, std::string(TestKey) + "\\Pennantry");
    EXPECT_FALSE(blocked.Open());
    EXPECT_EQ(blocked.Read("B1"), std::nullopt);
    // A save there writes nothing and says so; an erase does nothing.
    EXPECT_NE(blocked.Write({{"B1", "1"}}), std::nullopt);
    (void)blocked.Erase({"B1"});
    EXPECT_FALSE(blocked.Open());
}

}  // namespace
}  // namespace pennantry
