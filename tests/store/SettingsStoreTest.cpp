// The saved game's store on real files: round trips, erasing, opening failures, damaged files,
// interrupted saves and two programs saving at once.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "StoreTestFiles.h"

namespace pennantry {
namespace {

using namespace pennantry::test;

class SettingsStoreTest : public ::testing::Test {
protected:
    std::string FolderPath() const { return dir.filePath("Tessivar").toStdString(); }

    QTemporaryDir dir;
    std::string path = dir.filePath("Tessivar/Pennantry.conf").toStdString();
};

const ValueSet GameSet{{"BA", "3"},   {"B1", ""},   {"B2", "2"},    {"B3", "0"},  {"HC", "7"},  {"MC", "1"},
                       {"HP", "1"},   {"MP", "2"},  {"HH", "010"},  {"MH", "4"},  {"HR", "1"},  {"MR", "3"},
                       {"HRS", "11"}, {"MRS", "5"}, {"IN", "12"},   {"IP", "t"},  {"OU", "2"},  {"ST", "1"}};

TEST_F(SettingsStoreTest, AllEighteenValuesOfAGameComeBackFromTheFileAsWritten)
{
    SettingsStore store(path);
    ASSERT_TRUE(store.Open());
    store.Write(GameSet);
    EXPECT_EQ(ReadBack(path), Expected(GameSet));
}

TEST_F(SettingsStoreTest, AwkwardTextsComeBackByteForByte)
{
    const std::vector<std::string> texts{"", " 12 ", "  ", "0012", "1,2", "a=b;c#d", ";", "#x", "[x]",
                                         "@ByteArray(x)", "@Variant(abc)", "@Invalid()", "@", "\"q\"",
                                         "back\\slash", "line\nbreak\r", "\t\x01\x7f", "\xc3\xa9 \xe2\x82\xac",
                                         "\xff\xfe not UTF-8", std::string("a\0b", 3), std::string(1000, '9')};
    ValueSet set;
    for (std::size_t i = 0; i < texts.size(); ++i)
        set.emplace_back("V" + std::to_string(i), texts[i]);
    SettingsStore store(path);
    ASSERT_TRUE(store.Open());
    store.Write(set);

    QTemporaryDir elsewhere;
    const std::string copy = elsewhere.filePath("Pennantry.conf").toStdString();
    PutFile(copy, FileBytes(path));
    SettingsStore later(copy);
    ASSERT_TRUE(later.Open());
    for (const auto& [name, text] : set)
        EXPECT_EQ(later.Read(name), text) << name;
}

TEST_F(SettingsStoreTest, AFirstRunCreatesAnEmptyStoreWithNoSavedGame)
{
    SettingsStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(path)).isFile());
    EXPECT_EQ(store.Read("B1"), std::nullopt);
}

TEST_F(SettingsStoreTest, ErasedValuesAreGoneFromTheFileAndTheOthersStay)
{
    SettingsStore store(path);
    ASSERT_TRUE(store.Open());
    store.Write(GameSet);
    store.Write({{"EXTRA", "kept"}});
    store.Erase({SavedNames.begin(), SavedNames.end()});
    EXPECT_EQ(ReadBack(path), Expected({}));
    EXPECT_EQ(store.Read("B1"), std::nullopt);
    EXPECT_EQ(store.Read("EXTRA"), "kept");
    // Erasing what is not there is harmless, and an empty name must not wipe the rest.
    store.Erase({"B1", ""});
    EXPECT_EQ(store.Read("EXTRA"), "kept");
}

class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~EnvironmentVariable()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST_F(SettingsStoreTest, OpeningFailsWhereTheStoreCanBeNeitherReadNorCreated)
{
    // A configuration folder below a regular file cannot be made, whoever runs the program.
    const std::string regular = dir.filePath("plain-file").toStdString();
    PutFile(regular, "not a folder");
    {
        EnvironmentVariable config("XDG_CONFIG_HOME", regular + "/config");
        const std::string below = DefaultStorePath();
        EXPECT_EQ(below, regular + "/config/Tessivar/Pennantry.conf");
        SettingsStore store(below);
        EXPECT_FALSE(store.Open());
        store.Write(GameSet);  // a store that did not open writes nothing and does not crash
        EXPECT_EQ(store.Read("B1"), std::nullopt);
    }
    // A folder where the file should be cannot be read as one.
    QDir().mkpath(QString::fromStdString(path));
    SettingsStore store(path);
    EXPECT_FALSE(store.Open());
}

struct DamagedFile {
    const char* what;
    std::string bytes;
    std::optional<std::string> firstBase;
};

std::string Junk()
{
    std::string junk;
    unsigned state = 7;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        junk += static_cast<char>(i % 17 == 0 ? 0 : (state >> 16) & 0xFF);
    }
    return junk;
}

TEST_F(SettingsStoreTest, DamagedFilesOpenReadWhatTheyCanAndAreMadeWholeByTheNextSave)
{
    const std::vector<DamagedFile> cases{
        {"empty file", "", std::nullopt},
        {"not INI at all", "{\"B1\": [1, 2]}\n<xml/>\n= = =\n", std::nullopt},
        {"binary junk with NULs", Junk(), std::nullopt},
        {"a section header only", "[General]\n", std::nullopt},
        {"the values under another section", "[Other]\nB1=1\n", std::nullopt},
        {"values missing", "[General]\nBA=2\nB1=1\n", "1"},
        {"an empty value", "B1=\n", ""},
        {"a value that is not a number", "B1=first\n", "first"},
        {"a value over 99 characters", "B1=" + std::string(150, '1') + "\n", std::string(150, '1')},
        {"a one-megabyte line", "B1=" + std::string(1 << 20, '7'), std::string(1 << 20, '7')},
        {"duplicate keys", "B1=1\nB1=0\n", "0"},
        {"an unterminated quote", "B1=\"1\nB2=1\n", "1\nB2=1\n"},
        {"commas, unquoted", "B1=1,2\n", "1,2"},
        {"a byte array", "B1=@ByteArray(1)\n", "1"},
        {"a hand-written number", "B1=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n", "5"},
        {"a rectangle", "B1=@Rect(1 2 3 4)\n", std::nullopt},
        {"an invalid value", "B1=@Invalid()\n", std::nullopt},
    };
    for (const auto& damaged : cases) {
        SCOPED_TRACE(damaged.what);
        QTemporaryDir folder;
        const std::string file = folder.filePath("Pennantry.conf").toStdString();
        PutFile(file, damaged.bytes);
        SettingsStore store(file);
        ASSERT_TRUE(store.Open());
        for (const char* name : SavedNames)
            store.Read(name);
        if (damaged.firstBase)
            EXPECT_EQ(store.Read("B1"), damaged.firstBase);
        else
            EXPECT_EQ(store.Read("B1"), std::nullopt);
        store.Write(GameSet);
        EXPECT_EQ(ReadBack(file), Expected(GameSet));
    }
}

// Random files made of INI's own punctuation, escapes and type markers mixed with raw bytes.
TEST_F(SettingsStoreTest, AnyJunkFileOpensAndTheNextSaveReplacesItWithAWholeSet)
{
    const std::vector<std::string> pieces{"[", "]", "=", "\n", "\"", "\\", ",", ";", "@", "@Variant(", "@ByteArray(",
                                          "@StringList(", ")", "B1", "HRS", "/", "%", "\\x", "\\0", " ", "\t",
                                          "General", "\xff", std::string(1, '\0'), "\r", "#"};
    unsigned state = 99;
    const auto draw = [&state](unsigned n) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % n;
    };
    for (int round = 0; round < 100; ++round) {
        std::string junk;
        for (unsigned i = draw(400); i > 0; --i)
            junk += draw(4) == 0 ? std::string(1, static_cast<char>(draw(256))) : pieces[draw(pieces.size())];
        SCOPED_TRACE(junk);
        QTemporaryDir folder;
        const std::string file = folder.filePath("Pennantry.conf").toStdString();
        PutFile(file, junk);
        SettingsStore store(file);
        ASSERT_TRUE(store.Open());
        for (const char* name : SavedNames)
            store.Read(name);
        store.Write(GameSet);
        ASSERT_EQ(ReadBack(file), Expected(GameSet));
    }
}

// Files bigger than this cannot be written by this process; SIGXFSZ ends it unless ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

// Larger than QSettings' lock file, far smaller than a file holding this set.
constexpr rlim_t SaveLimit = 1024;
const ValueSet LongSet = UniformSet(std::string(200, '8'));

TEST_F(SettingsStoreTest, ASaveThatRunsOutOfSpaceLeavesThePreviousFileWholeAndTheNextSaveWorks)
{
    SettingsStore store(path);
    ASSERT_TRUE(store.Open());
    store.Write(GameSet);
    const std::string before = FileBytes(path);
    {
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        FileSizeLimit limit(SaveLimit);
        store.Write(LongSet);
        std::signal(SIGXFSZ, oldHandler);
    }
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(QDir(QString::fromStdString(FolderPath())).entryList(QDir::Files), QStringList{"Pennantry.conf"});
    store.Write(LongSet);
    EXPECT_EQ(ReadBack(path), Expected(LongSet));
}

// Runs in a child process that the kernel kills once the save outgrows the limit.
void SaveUnderLimit(SettingsStore& store)
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    FileSizeLimit limit(SaveLimit);
    store.Write(LongSet);
    std::_Exit(0);
}

TEST_F(SettingsStoreTest, AProgramKilledInTheMiddleOfASaveLeavesThePreviousFileWhole)
{
    SettingsStore store(path);
    ASSERT_TRUE(store.Open());
    store.Write(GameSet);
    const std::string before = FileBytes(path);
    EXPECT_EXIT(SaveUnderLimit(store), ::testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(ReadBack(path), Expected(GameSet));
    // The dead program's lock must not keep the next one from saving.
    SettingsStore next(path);
    ASSERT_TRUE(next.Open());
    next.Write(LongSet);
    EXPECT_EQ(ReadBack(path), Expected(LongSet));
}

TEST_F(SettingsStoreTest, TwoStoresOnOneFileSavingInTurnLeaveTheLastSet)
{
    SettingsStore first(path);
    SettingsStore second(path);
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(second.Open());
    first.Write(GameSet);
    second.Write(UniformSet("second"));
    EXPECT_EQ(ReadBack(path), Expected(UniformSet("second")));
    first.Write(UniformSet("first again"));
    EXPECT_EQ(ReadBack(path), Expected(UniformSet("first again")));
}

TEST_F(SettingsStoreTest, TwoProgramsSavingAtOnceNeverLeaveAMixedFileAndTheLastSaveWins)
{
    constexpr int Saves = 40;
    {
        SettingsStore store(path);
        ASSERT_TRUE(store.Open());
        store.Write(UniformSet("start"));
    }
    std::vector<pid_t> programs;
    for (const char* tag : {"a", "b"}) {
        const pid_t pid = fork();
        ASSERT_NE(pid, -1);
        if (pid == 0) {
            SettingsStore store(path);
            if (!store.Open())
                std::_Exit(1);
            for (int i = 0; i < Saves; ++i)
                store.Write(UniformSet(tag + std::to_string(i)));
            std::_Exit(0);
        }
        programs.push_back(pid);
    }
    // While they save, every state of the file that another program could read is one whole set.
    std::map<pid_t, int> ended;
    while (ended.size() < programs.size()) {
        const auto seen = ReadBack(path);
        ASSERT_TRUE(seen.at("B1").has_value());
        EXPECT_EQ(seen, Expected(UniformSet(*seen.at("B1"))));
        for (const pid_t pid : programs) {
            int status = 0;
            if (!ended.contains(pid) && waitpid(pid, &status, WNOHANG) == pid)
                ended[pid] = status;
        }
    }
    for (const auto& [pid, status] : ended)
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "program " << pid;
    const auto last = ReadBack(path);
    ASSERT_TRUE(last.at("B1").has_value());
    EXPECT_TRUE(*last.at("B1") == "a" + std::to_string(Saves - 1) || *last.at("B1") == "b" + std::to_string(Saves - 1))
        << *last.at("B1");
    EXPECT_EQ(last, Expected(UniformSet(*last.at("B1"))));
}

}  // namespace
}  // namespace pennantry
