// The saved game's store on real files, each read back by a later run: round trips (also with
// QSettings, which wrote the files of earlier versions), what opens and what does not, damaged
// files, and saves that fail or meet links, modes, stale locks and debris.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "SettingsStore.h"

namespace pennantry {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using ValueSet = std::vector<std::pair<std::string, std::string>>;

const ValueSet GameSet{{"B1", ""},  {"B2", "2"},  {"B3", "0"},  {"BA", "3"},  {"HC", "7"},   {"HH", "010"},
                       {"HP", "1"}, {"HR", "1"},  {"HRS", "11"}, {"IN", "12"}, {"IP", "t"},  {"MC", "1"},
                       {"MH", "4"}, {"MP", "2"},  {"MR", "3"},  {"MRS", "5"}, {"OU", "2"},  {"ST", "1"}};

std::string FileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<unreadable>";
}

class SettingsStoreTest : public ::testing::Test {
protected:
    fs::path PutFile(const fs::path& name, const std::string& bytes)
    {
        const fs::path file = root / name;
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    // Those of the names in `like` that a later run finds in the file, with their texts. The
    // copy sits at a path this process has never opened, as a later run would find it.
    ValueSet ReadBack(const fs::path& file, const ValueSet& like = GameSet)
    {
        SettingsStore later(PutFile("run" + std::to_string(++copies) + "/Pennantry.conf", FileBytes(file)));
        EXPECT_TRUE(later.Open());
        ValueSet found;
        for (const auto& [name, text] : like)
            if (auto value = later.Read(name))
                found.emplace_back(name, *value);
        return found;
    }

    QTemporaryDir dir;
    fs::path root = dir.path().toStdString();
    fs::path path = root / "Tessivar/Pennantry.conf";
    int copies = 0;
};

TEST_F(SettingsStoreTest, EveryTextComesBackByteForByteInALaterRunAndQSettingsReadsAndWritesTheSameFiles)
{
    ValueSet set = GameSet;
    for (const std::string& text : {" 12"s, "a=b;c#d"s, "[x]"s, "@ByteArray(x)"s, "@Variant(abc)"s, "@@"s, "\"q\" "s,
                                    "back\\slash"s, "line\nbreak\r"s, "\t\x01\x7f" "5"s, "\xc3\xa9 \xe2\x82\xac"s,
                                    "\xff\xfe not UTF-8 \xc3"s, "a\0b"s, "1,2"s, std::string(1000, '9')})
        set.emplace_back("V" + std::to_string(set.size()), text);
    ASSERT_TRUE(SettingsStore(path).Open());
    EXPECT_TRUE(fs::is_regular_file(path)) << "opening makes the store, as an empty file";
    PutFile(path, "[General]\nJunk=1\nB9=9\n");
    SettingsStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.Write(set), std::nullopt);
    ValueSet withJunk = set;
    withJunk.emplace_back("B9", "9");
    EXPECT_EQ(ReadBack(path, withJunk), set) << "a save writes only the values it is given";

    // QSettings reads our file, and earlier versions wrote through it: text as a string, other
    // bytes as a byte array.
    const QString file = QString::fromStdString(path.string());
    const auto asEarlier = [](const std::string& text) {
        const QByteArray bytes = QByteArray::fromStdString(text);
        return QString::fromUtf8(bytes).toUtf8() == bytes ? QVariant(QString::fromUtf8(bytes)) : QVariant(bytes);
    };
    {
        QSettings earlier(file, QSettings::IniFormat);
        for (const auto& [name, text] : set) {
            const QVariant value = earlier.value(QString::fromStdString(name));
            EXPECT_EQ((value.typeId() == QMetaType::QString ? value.toString().toUtf8() : value.toByteArray()).toStdString(), text);
        }
    }
    fs::remove(path);
    {
        QSettings earlier(file, QSettings::IniFormat);
        for (const auto& [name, text] : set)
            earlier.setValue(QString::fromStdString(name), asEarlier(text));
    }
    EXPECT_EQ(ReadBack(path, set), set);

    EXPECT_EQ(store.Erase({"B1", "B2", ""}), std::nullopt);
    EXPECT_EQ(ReadBack(path, set), ValueSet(set.begin() + 2, set.end()));
}

TEST_F(SettingsStoreTest, OpeningRefusesOnlyWhatNoSaveMayReplaceSaysWhatAndWhereAndNeverHangsOrFloods)
{
    const auto link = [this](const fs::path& to) {
        return [this, to] { fs::create_directories(path.parent_path()), fs::create_symlink(to, path); };
    };
    // What stands at the path, and why the player is told it cannot be used.
    const std::string away = " stands there.\nMove it away, then start Pennantry again.";
    const std::vector<std::tuple<const char*, std::function<void()>, std::string, std::optional<std::string>>> cases{
        {"a folder at the file's place", [this] { fs::create_directories(path); }, "a folder" + away, {}},
        {"a FIFO", [this] { fs::create_directories(path.parent_path()), mkfifo(path.c_str(), 0600); }, "a named pipe" + away, {}},
        {"a link to an endless device", link("/dev/zero"), "a device" + away, {}},
        // A loop of links is no file in the way: there is nothing to move.
        {"a link to itself", link(path), "Too many levels of symbolic links.", {}},
        {"a link to a file of exactly the largest size", link(root / "largest.conf"), "", "1"},
        {"a link that leads nowhere yet", link("target.conf"), "", {}},
        {"a link to a file", link(root / "elsewhere.conf"), "", "7"},
    };
    PutFile("elsewhere.conf", "B1=7\n");
    PutFile("largest.conf", "B1=1\n" + std::string(64 * 1024 - 5, ';'));
    for (const auto& [what, make, refused, first] : cases) {
        SCOPED_TRACE(what);
        fs::remove_all(root / "Tessivar");
        make();
        SettingsStore store(path);
        EXPECT_EQ(store.Open(), refused.empty());
        const std::string where = fs::is_symlink(path) ? fs::read_symlink(path).string() : path.string();
        EXPECT_EQ(store.Refusal(), refused.empty() ? "" : "Pennantry cannot keep its saved game at " + where + ": " + refused);
        EXPECT_EQ(store.Read("B1"), first);
        EXPECT_EQ(store.Write(GameSet) == std::nullopt, refused.empty());
        if (refused.empty()) {
            // A save goes through the link to the file it leads to.
            EXPECT_TRUE(fs::is_symlink(path));
            EXPECT_EQ(ReadBack(path), GameSet);
        }
    }

    // A file that is no saved game is damage: it is kept aside under the first free name that
    // says so, and a new game begins in its place.
    fs::remove_all(root / "Tessivar");
    const std::string huge = "B1=1\n" + std::string(64 * 1024, ';');
    EXPECT_TRUE(SettingsStore(PutFile(path, "the first " + huge)).Open());
    PutFile(path, huge);
    SettingsStore damaged(path);
    ASSERT_TRUE(damaged.Open());
    EXPECT_EQ(damaged.Read("B1"), std::nullopt);
    EXPECT_EQ(FileBytes(path.string() + ".unreadable"), "the first " + huge);
    EXPECT_EQ(FileBytes(path.string() + ".unreadable-2"), huge);
    EXPECT_EQ(damaged.Write(GameSet), std::nullopt);
    EXPECT_EQ(ReadBack(path), GameSet);

    // The configuration folder: an absolute XDG_CONFIG_HOME taken byte for byte, a relative one
    // ignored, one below a regular file cannot be made.
    const auto storeIn = [](const std::string& config) {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        return DefaultStorePath();
    };
    const std::string odd = root.string() + "/caf\xe9 \xff";
    SettingsStore oddStore(storeIn(odd));
    setenv("HOME", "/home/player", 1);
    EXPECT_EQ(storeIn("relative"), "/home/player/.config/Tessivar/Pennantry.conf");
    SettingsStore failed(storeIn(PutFile("plain-file", "not a folder").string() + "/config"));
    EXPECT_TRUE(oddStore.Open() && !oddStore.Write(GameSet));
    EXPECT_EQ(fs::status(odd + "/Tessivar").permissions(), fs::perms::owner_all) << "the player's folder alone";
    EXPECT_EQ(ReadBack(odd + "/Tessivar/Pennantry.conf"), GameSet);
    EXPECT_FALSE(failed.Open());
    EXPECT_EQ(failed.Refusal(), "Pennantry cannot keep its saved game in " + root.string() + "/plain-file/config/Tessivar: Not a directory.");
    EXPECT_NE(failed.Write(GameSet), std::nullopt);
    // A folder where no file can be made, as one the player may not write, refuses at the start.
    SettingsStore unwritable("/proc/self/Pennantry.conf");
    EXPECT_FALSE(unwritable.Open());
    EXPECT_EQ(unwritable.Refusal(), "Pennantry cannot make its saved game: /proc/self/Pennantry.conf: No such file or directory.");
}

TEST_F(SettingsStoreTest, DamagedOrHandWrittenFilesOpenReadOnlyTextAndAreMadeWholeByTheNextSave)
{
    const std::string mega(60000, '7');
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases{  // the file, and what B1 reads
        {"", {}}, {"{\"B1\": [1, 2]}\n<xml/>\n= = =\n", {}}, {"[Other]\nB1=1\n", {}}, {"B1=\n", ""},
        {"B1=" + mega, mega}, {"[General] \r\nB1=1\r\nB1=0\r\n", "0"}, {" \tB1 = 1,2 \t\n", "1,2"}, {"B1 = \" 1\"  \n", " 1"},
        {"B1=\xff\xfe\n", "\xff\xfe"}, {"B1=@ByteArray(\\xff\\x31)\n", "\xff" "1"}, {"B1=@@1\n", "@1"},
        {"B1=\\101\\17\\7\n", "A\x0f\x07"}, {"B1=\\x80\\x20Ac\\x1F600\\x10000\n", "\xc2\x80\xe2\x82\xac\xf0\x9f\x98\x80\xf0\x90\x80\x80"},
        // A variant claiming 2^31 characters once made the sanitizers abort on a huge allocation.
        {"B1=@Variant(\\0\\0\\0\\n\\x7f\\xff\\xff\\xff)\n", {}}, {"B1=@Rect(1 2 3 4)\n", {}}, {"B1=1\nB1=@Invalid()\n", {}},
    };
    // Then random mixes of INI's punctuation, escapes and type markers with raw bytes and NULs,
    // whose B1 may read as anything.
    const std::string pieces[] = {"[", "]", "=", "\n", "\"", "\\", ",", ";", "@Variant(", "@ByteArray(",
                                  "@String(", ")", "B1", "%", "\\x", "\\0", "General", "\r", "#", "@@"};
    std::minstd_rand draw(99);
    for (std::size_t i = 0; i < cases.size() + 50; ++i) {
        std::string bytes = i < cases.size() ? cases[i].first : "";
        for (auto n = i < cases.size() ? 0 : draw() % 400; n > 0; --n)
            bytes += draw() % 4 == 0 ? std::string(1, static_cast<char>(draw())) : pieces[draw() % std::size(pieces)];
        SCOPED_TRACE("case " + std::to_string(i) + ": " + bytes.substr(0, 80));
        const fs::path file = PutFile("damaged" + std::to_string(i) + "/Pennantry.conf", bytes);
        SettingsStore store(file);
        ASSERT_TRUE(store.Open());
        if (i < cases.size()) {
            EXPECT_EQ(store.Read("B1"), cases[i].second);
        }
        EXPECT_EQ(store.Write(GameSet), std::nullopt);
        EXPECT_EQ(ReadBack(file), GameSet);
    }
}

TEST_F(SettingsStoreTest, ASaveThatCannotBeWrittenSaysWhyAndLeavesThePreviousFileWhole)
{
    // A killed save leaves its lock and temporary copy, which go; a player's files of any other
    // name stay, the look-alikes of the store's own names and those of earlier versions too.
    PutFile(path, "");
    const std::string own = "Pennantry.conf.pennantry-unfinished-save-Ab3xYZ";
    const std::set<std::string> kept{"Pennantry.conf", "Pennantry.conf.backup", "Pennantry.conf.orig01",
                                     "Pennantry.conf.SAVE12", "Pennantry.conf.backup.lock", "Pennantry.conf.bak",
                                     "Pennantry.conf~", "Pennantry.conf.old", "Pennantry.conf.lock", "Pennantry.conf.Ab3xYz.lock",
                                     own.substr(0, own.size() - 1), own + "1", "Pennantry.conf.pennantry-unfinished-savE-Ab3xYZ",
                                     "Pennantry.conf.pennantry-unfinished-save-Ab-xYZ", "Other" + own.substr(9), "link-" + own};
    for (const auto& name : kept)
        if (name != "Pennantry.conf")
            PutFile(path.parent_path() / name, "kept");
    fs::create_symlink("Pennantry.conf.bak", path.parent_path() / (own.substr(0, own.size() - 1) + "L"));
    PutFile(path.parent_path() / own, "");
    PutFile(path.parent_path() / "Pennantry.conf.pennantry-save-lock", "");
    // While another program saves, a start neither waits for it nor touches its lock or its copy.
    const int other = open((path.string() + ".pennantry-save-lock").c_str(), O_RDWR | O_CLOEXEC);
    EXPECT_TRUE(flock(other, LOCK_EX) == 0 && SettingsStore(path).Open());
    EXPECT_TRUE(fs::exists(path.parent_path() / own) && fs::exists(path.string() + ".pennantry-save-lock"));
    close(other);
    const auto openFiles = std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
    SettingsStore store(path);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.Write(GameSet), std::nullopt);
    const auto left = [this] {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(path.parent_path()))
            names.insert(entry.path().filename());
        return names;
    };
    std::set<std::string> expected = kept;
    expected.insert(own.substr(0, own.size() - 1) + "L");
    EXPECT_EQ(left(), expected);

    // A file's mode stays; a read-only file is not replaced.
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    ValueSet longSet = GameSet;
    for (auto& value : longSet)
        value.second = std::string(200, '8');
    EXPECT_EQ(store.Write(longSet), std::nullopt);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644));
    const std::string before = FileBytes(path);
    fs::permissions(path, fs::perms(0444));
    EXPECT_EQ(store.Write(longSet), path.string() + " is read-only");
    fs::permissions(path, fs::perms(0600));

    // Files over 1 KiB cannot be written (less than the long set), and a write past it fails
    // with EFBIG rather than a fatal SIGXFSZ.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit limit{1024, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(store.Write(longSet), path.string() + ": File too large");
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(left(), expected) << "no temporary file is left";
    EXPECT_EQ(std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()), openFiles);
}

}  // namespace
}  // namespace pennantry
