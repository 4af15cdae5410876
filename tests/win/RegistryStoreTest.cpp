// The registry store against Wine's registry, under a key of its own.
#include <gtest/gtest.h>

#include "RegistryStore.h"

namespace pennantry {
namespace {

// CTest runs each case in a process of its own, side by side: each has a key of its own.
const std::string TestKey = "Software\\Tessivar\\PennantryTest" + std::to_string(GetCurrentProcessId());
const std::vector<std::string> Names{"BA", "B1", "B2", "B3", "HC", "MC", "HP", "MP", "HH", "MH", "HR", "MR", "HRS", "MRS",
                                     "IN", "IP", "OU", "ST"};

class RegistryStoreTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, TestKey.c_str()); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, TestKey.c_str()); }

    // A value set by hand, bytes and type as given.
    static void SetRaw(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, TestKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), 0);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    RegistryStore store{HKEY_CURRENT_USER, TestKey};
};

TEST_F(RegistryStoreTest, KeepsEighteenTextsAsWrittenAndErasesThem)
{
    ASSERT_TRUE(store.Open());
    const std::vector<std::string>& names = Names;
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
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, TestKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr, &parent,
                              nullptr),
              0);
    RegCloseKey(parent);
    RegistryStore blocked(HKEY_CURRENT_USER, TestKey + "\\Pennantry");
    EXPECT_FALSE(blocked.Open());
    EXPECT_EQ(blocked.Read("B1"), std::nullopt);
    // A save there writes nothing and says so; an erase does nothing.
    EXPECT_NE(blocked.Write({{"B1", "1"}}), std::nullopt);
    (void)blocked.Erase({"B1"});
    EXPECT_FALSE(blocked.Open());
}

// The changes a store has made so far, and the one it is killed before (0: none), with this exit code.
int changesMade = 0, killAt = 0;
constexpr int Killed = 77;

using Set = std::vector<std::pair<std::string, std::string>>;
using Texts = std::vector<std::optional<std::string>>;

// The eighteen values, each text starting with the tag; with the texts alone, as reads give them.
Set Tagged(const std::string& tag, Texts* texts = nullptr)
{
    Set set;
    for (const auto& name : Names) {
        set.emplace_back(name, tag + " " + name);
        if (texts)
            texts->push_back(set.back().second);
    }
    return set;
}

// What a store opened afresh reads, as the next start would.
Texts ReadAll()
{
    RegistryStore store{HKEY_CURRENT_USER, TestKey};
    EXPECT_TRUE(store.Open());
    Texts texts;
    for (const auto& name : Names)
        texts.push_back(store.Read(name));
    return texts;
}

// A save or an erase killed before each change it makes in turn: a fresh store then reads the
// whole earlier set, or the whole new set (none at all after an erase), never a mix.
TEST_F(RegistryStoreTest, AChangeKilledAtAnyStepLeavesOneWholeSet)
{
    Texts old, saved, erased(Names.size());
    const Set before = Tagged("old", &old), after = Tagged("new", &saved);
    // Replaces the earlier set, then saves or erases; killed before change killAt.
    const auto change = [&](bool erase) {
        RegDeleteTreeA(HKEY_CURRENT_USER, TestKey.c_str());
        RegistryStore first{HKEY_CURRENT_USER, TestKey}, second{HKEY_CURRENT_USER, TestKey};
        ASSERT_TRUE(first.Open());
        ASSERT_EQ(first.Write(before), std::nullopt);
        changesMade = 0;
        second.BeforeChange = [] {
            if (++changesMade == killAt)
                TerminateProcess(GetCurrentProcess(), Killed);
        };
        ASSERT_TRUE(second.Open());
        EXPECT_EQ(erase ? second.Erase(Names) : second.Write(after), std::nullopt);
    };
    for (const bool erase : {false, true}) {
        // Unkilled, to count the changes; the child processes below run this too.
        killAt = 0;
        change(erase);
        const int changes = changesMade;
        EXPECT_EQ(ReadAll(), erase ? erased : saved);
        for (killAt = 1; killAt <= changes; ++killAt) {
            SCOPED_TRACE((erase ? "erase killed at change " : "save killed at change ") + std::to_string(killAt));
            EXPECT_EXIT(change(erase), testing::ExitedWithCode(Killed), "");
            const Texts read = ReadAll();
            EXPECT_TRUE(read == old || read == (erase ? erased : saved))
                << "B1 reads " << read[1].value_or("nothing") << ", BA " << read[0].value_or("nothing");
        }
    }
}

// One copy of the game saving its set, once the start is given.
HANDLE start = CreateEventA(nullptr, TRUE, FALSE, nullptr);
DWORD WINAPI Save(void* set)
{
    RegistryStore copy{HKEY_CURRENT_USER, TestKey};
    EXPECT_TRUE(copy.Open());
    WaitForSingleObject(start, INFINITE);
    EXPECT_EQ(copy.Write(*static_cast<Set*>(set)), std::nullopt);
    return 0;
}

// Two copies saving at the same moment take turns: both saves succeed, and one whole set is left.
TEST_F(RegistryStoreTest, SavesAtTheSameMomentTakeTurns)
{
    Texts first, second;
    Set sets[] = {Tagged("first", &first), Tagged("second", &second)};
    for (int round = 1; round <= 30; ++round) {
        HANDLE copies[] = {CreateThread(nullptr, 0, Save, &sets[0], 0, nullptr),
                           CreateThread(nullptr, 0, Save, &sets[1], 0, nullptr)};
        SetEvent(start);
        ASSERT_EQ(WaitForMultipleObjects(2, copies, TRUE, 60000), WAIT_OBJECT_0);
        ResetEvent(start);
        for (HANDLE copy : copies)
            CloseHandle(copy);
        const Texts read = ReadAll();
        EXPECT_TRUE(read == first || read == second) << "round " << round << ": BA reads " << read[0].value_or("nothing")
                                                     << ", ST " << read[17].value_or("nothing");
    }
}

}  // namespace
}  // namespace pennantry
