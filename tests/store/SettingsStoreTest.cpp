// The saved game's store on real files, each read back by a later run: round trips, erasing,
// opening failures, damaged files, failed saves, and a game saved and loaded through it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <random>
#include <sys/resource.h>

#include "Game.h"
#include "SettingsStore.h"

namespace pennantry {
namespace {

using ValueSet = std::vector<std::pair<std::string, std::string>>;

const ValueSet GameSet{{"BA", "3"},   {"B1", ""},   {"B2", "2"},   {"B3", "0"}, {"HC", "7"}, {"MC", "1"},
                       {"HP", "1"},   {"MP", "2"},  {"HH", "010"}, {"MH", "4"}, {"HR", "1"}, {"MR", "3"},
                       {"HRS", "11"}, {"MRS", "5"}, {"IN", "12"},  {"IP", "t"}, {"OU", "2"}, {"ST", "1"}};

std::string FileBytes(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<unreadable>";
}

class SettingsStoreTest : public ::testing::Test {
protected:
    std::string PutFile(const QString& name, const std::string& bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()) && file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName().toStdString();
    }

    // A copy of the file at a path this process has never opened, as a later run would find it,
    // so that nothing can come from QSettings' in-process cache instead of the disk.
    std::string FreshCopy(const std::string& file)
    {
        return PutFile(QString("run%1/Pennantry.conf").arg(++copies), FileBytes(file));
    }

    // Those of the names in `like` that a later run finds in the file, with their texts.
    ValueSet ReadBack(const std::string& file, const ValueSet& like = GameSet)
    {
        SettingsStore later(FreshCopy(file));
        EXPECT_TRUE(later.Open());
        ValueSet found;
        for (const auto& [name, text] : like)
            if (auto value = later.Read(name))
                found.emplace_back(name, *value);
        return found;
    }

    QTemporaryDir dir;
    std::string path = dir.filePath("Tessivar/Pennantry.conf").toStdString();
    int copies = 0;
};

TEST_F(SettingsStoreTest, EveryValueAndAwkwardTextComesBackByteForByteInALaterRunUntilErased)
{
    using namespace std::string_literals;
    ValueSet set = GameSet;
    for (const std::string& text : {" 12 "s, "a=b;c#d"s, "[x]"s, "@ByteArray(x)"s, "@Variant(abc)"s, "@Invalid()"s,
                                    "\"q\""s, "back\\slash"s, "line\nbreak\r"s, "\t\x01\x7f"s, "\xc3\xa9 \xe2\x82\xac"s,
                                    "\xff\xfe not UTF-8"s, "a\0b"s, "1,2"s, std::string(1000, '9')})
        set.emplace_back("V" + std::to_string(set.size()), text);
    SettingsStore store(path), other(path);
    ASSERT_TRUE(store.Open() && other.Open());
    EXPECT_EQ(store.Read("B1"), std::nullopt);
    EXPECT_EQ(store.Write(set), std::nullopt);
    EXPECT_EQ(ReadBack(path, set), set);
    // A second program saves meanwhile: the first store's stale view must not put old values back.
    EXPECT_EQ(other.Write({{"B2", "other"}}), std::nullopt);
    store.Erase({"B1", ""});  // an empty name must not wipe the rest
    ValueSet left = set;
    left[2].second = "other";
    left.erase(left.begin() + 1);
    EXPECT_EQ(ReadBack(path, set), left);
}

TEST_F(SettingsStoreTest, OpeningFailsWhereTheStoreCanBeNeitherReadNorCreated)
{
    // A configuration folder below a regular file cannot be made, whoever runs the program.
    const std::string regular = PutFile("plain-file", "not a folder");
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(regular + "/config"));
    SettingsStore store(DefaultStorePath());
    old.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", old);
    EXPECT_FALSE(store.Open());
    EXPECT_NE(store.Write(GameSet), std::nullopt);  // a store that did not open writes nothing
    EXPECT_EQ(store.Read("B1"), std::nullopt);
}

TEST_F(SettingsStoreTest, DamagedFilesOpenReadWhatTheyCanAndAreMadeWholeByTheNextSave)
{
    const std::string mega(1 << 20, '7');
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases{  // the file, and what B1 reads
        {"", {}}, {"{\"B1\": [1, 2]}\n<xml/>\n= = =\n", {}}, {"[Other]\nB1=1\n", {}}, {"B1=\n", ""},
        {"B1=" + mega, mega}, {"B1=1\nB1=0\n", "0"}, {"B1=\"1\nB2=1\n", "1\nB2=1\n"}, {"B1=1,2\n", "1,2"},
        {"B1=@ByteArray(1)\n", "1"}, {"B1=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n", "5"},
        {"B1=@Rect(1 2 3 4)\n", {}}, {"B1=@Invalid()\n", {}},
    };
    // Then random mixes of INI's punctuation, escapes and type markers with raw bytes and NULs,
    // whose B1 may read as anything.
    const std::string pieces[] = {"[", "]", "=", "\n", "\"", "\\", ",", ";", "@Variant(", "@ByteArray(",
                                  "@StringList(", ")", "B1", "%", "\\x", "\\0", "General", "\r", "#"};
    std::minstd_rand draw(99);
    for (std::size_t i = 0; i < cases.size() + 50; ++i) {
        std::string bytes = i < cases.size() ? cases[i].first : "";
        for (auto n = i < cases.size() ? 0 : draw() % 400; n > 0; --n)
            bytes += draw() % 4 == 0 ? std::string(1, static_cast<char>(draw())) : pieces[draw() % std::size(pieces)];
        SCOPED_TRACE("case " + std::to_string(i) + ": " + bytes.substr(0, 80));
        const std::string file = PutFile(QString("damaged%1/Pennantry.conf").arg(i), bytes);
        SettingsStore store(file);
        ASSERT_TRUE(store.Open());
        if (i < cases.size()) {
            EXPECT_EQ(store.Read("B1"), cases[i].second);
        }
        EXPECT_EQ(store.Write(GameSet), std::nullopt);
        EXPECT_EQ(ReadBack(file), GameSet);
    }
}

TEST_F(SettingsStoreTest, ASaveThatRunsOutOfSpaceLeavesThePreviousFileWholeAndTheNextSaveWorks)
{
    SettingsStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.Write(GameSet), std::nullopt);
    const std::string before = FileBytes(path);
    ValueSet longSet = GameSet;
    for (auto& value : longSet)
        value.second = std::string(200, '8');
    // Files over 1 KiB cannot be written (more than QSettings' lock file, less than this set),
    // and a write past it fails with EFBIG rather than a fatal SIGXFSZ.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit limit{1024, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_NE(store.Write(longSet), std::nullopt);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(QDir(dir.filePath("Tessivar")).entryList(QDir::Files), QStringList{"Pennantry.conf"});
    EXPECT_EQ(store.Write(longSet), std::nullopt);
    EXPECT_EQ(ReadBack(path), longSet);
}

// Loading and saving show nothing but the About box; anything else fails the test.
class QuietView final : public WindowOps {
public:
    void RefreshLabels(const Scoreboard&) override {}
    void EnablePlayButton(PlayButton, bool) override {}
    void ShowBall(bool) override {}
    void SetBasePicture(int, bool) override {}
    void ShowMessage(const std::string& text, const std::string&) override { ADD_FAILURE() << text; }
    Answer AskYesNo(const std::string& text) override { return ADD_FAILURE() << text, Answer::No; }
    void RunAboutDialog() override {}
    void RunSkillDialog(SkillUpgradeRules&) override { ADD_FAILURE() << "skill dialog"; }
    void RunBattleDialog(BattleRules&) override { ADD_FAILURE() << "battle dialog"; }
    void CloseWindow() override {}
};

TEST_F(SettingsStoreTest, SaveAndExitThenANewStartHasTheSameScoreboardAndRunners)
{
    const Scoreboard board{"3", "4", "2", "3", "7", "10", "12", "B", "8", "1", "06", "5", "9", "1", "2"};
    QuietView view;
    ClassicRandom random;
    SteppingClock clock{1000};
    PlayVariables play, laterPlay;
    SettingsStore store(path);
    ASSERT_TRUE(store.Open());
    // The first game loads the board and runners from the file, which is then emptied, so that
    // only the game's own save can put them back.
    ValueSet set{{"B1", "1"}, {"B2", "0"}, {"B3", "1"}};
    std::vector<std::string> names{"B1", "B2", "B3"};
    for (const ScoreboardField& field : ScoreboardFields) {
        set.emplace_back(field.SavedName, board.*field.Member);
        names.emplace_back(field.SavedName);
    }
    store.Write(set);
    Game first(view, random, clock, store, play);
    ASSERT_TRUE(first.StartUp());
    store.Erase(names);
    first.OnSaveAndExit();

    SettingsStore laterStore(FreshCopy(path));
    Game later(view, random, clock, laterStore, laterPlay);
    ASSERT_TRUE(later.StartUp());
    EXPECT_EQ(later.Board(), board);
    EXPECT_EQ((std::array{later.RunnerOnFirst(), later.RunnerOnSecond(), later.RunnerOnThird()}),
              (std::array<std::uint8_t, 3>{1, 0, 1}));
}

}  // namespace
}  // namespace pennantry
