// The saved game kept in the player's own INI file, in the format QSettings reads and writes.
#include "SettingsStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pennantry {

namespace {

// No saved game comes near this size; a larger file is one that cannot be read.
constexpr std::size_t FileLimit = 64 * 1024;
// How long a change waits for another program's save to finish before giving up.
constexpr int LockWaitMs = 10000;
// Links followed from the saved game's path before it counts as a loop.
constexpr int LinkLimit = 40;

// The store's own files beside the saved game carry a mark no person would put in a name, so that
// removing a killed save's leftovers can never touch a file of the player's.
constexpr std::string_view TemporaryMark = ".pennantry-unfinished-save-";
constexpr std::string_view LockMark = ".pennantry-save-lock";
// The six characters mkostemp puts in a temporary file's name.
constexpr std::size_t UniqueLength = 6;

std::string Failure(const std::string& file) { return file + ": " + std::strerror(errno); }

// The names this store keeps. Anything else in the file came from a hand edit or damage.
bool PlainName(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a save replaces: the path itself, or where its chain of links ends, whether or not
// a file is there yet.
std::string Target(std::string path)
{
    for (int hop = 0; hop < LinkLimit; ++hop) {
        char link[4096];
        const ssize_t size = readlink(path.c_str(), link, sizeof link);
        if (size < 0 || static_cast<std::size_t>(size) == sizeof link)
            break;
        const std::string to(link, static_cast<std::size_t>(size));
        path = to.front() == '/' ? to : FolderOf(path) + "/" + to;
    }
    return path;
}

bool MakeFolders(const std::string& folder)
{
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0) {
        errno = ENOTDIR;
        return S_ISDIR(info.st_mode);
    }
    if (folder != FolderOf(folder) && !MakeFolders(FolderOf(folder)))
        return false;
    return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// What is at a path. Only a regular file (or a link to one) of at most FileLimit bytes is read,
// and it is opened without blocking, so a FIFO or a device there cannot hang or flood the program.
struct FileContents {
    bool found = false;
    // A regular file stands there (readable or not), which a save may replace.
    bool regular = false;
    bool readable = false;
    // Something other than a file stands there, which no save may replace.
    bool blocked = false;
    // What stands there when it is no regular file, or why it could not be looked at.
    std::string other;
    std::string bytes;
};

std::string Kind(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder stands there";
    if (S_ISFIFO(mode))
        return "a named pipe stands there";
    if (S_ISSOCK(mode))
        return "a socket stands there";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device stands there";
    return "something that is not a file stands there";
}

FileContents ReadFile(const std::string& path)
{
    FileContents contents;
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        contents.found = errno != ENOENT;
        contents.other = std::strerror(errno);
        return contents;
    }
    contents.found = true;
    contents.regular = S_ISREG(info.st_mode);
    if (!contents.regular) {
        contents.blocked = true;
        contents.other = Kind(info.st_mode);
        return contents;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > FileLimit)
        return contents;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return contents;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        contents.bytes.resize(FileLimit + 1);
        std::size_t got = 0;
        ssize_t n = 0;
        while (got < contents.bytes.size()
               && ((n = read(fd, contents.bytes.data() + got, contents.bytes.size() - got)) > 0 || (n < 0 && errno == EINTR)))
            got += n > 0 ? static_cast<std::size_t>(n) : 0;
        contents.readable = n == 0 && got <= FileLimit;
        contents.bytes.resize(got);
    }
    close(fd);
    return contents;
}

// The lock every program takes to replace the saved file, held on an open file, so the system
// releases it however its holder ends: a lock file left by a killed save, empty or not, is taken
// over at once instead of blocking the next save.
class SaveLock {
public:
    SaveLock(const std::string& file, int waitMs) : name_(file + std::string(LockMark))
    {
        for (int waited = 0;;) {
            fd_ = open(name_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd_ < 0) {
                failure_ = Failure(name_);
                return;
            }
            if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                // The holder before us removes the file as it lets go; only the one still there counts.
                struct stat mine {}, there {};
                if (fstat(fd_, &mine) == 0 && stat(name_.c_str(), &there) == 0 && mine.st_ino == there.st_ino
                    && mine.st_dev == there.st_dev)
                    return;
            } else if (errno != EWOULDBLOCK || waited >= waitMs) {
                failure_ = errno == EWOULDBLOCK ? file + " is being saved by another program" : Failure(name_);
                Release();
                return;
            } else {
                usleep(10000);
                waited += 10;
            }
            Release();
        }
    }
    ~SaveLock()
    {
        if (fd_ >= 0)
            unlink(name_.c_str());
        Release();
    }
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    // Nothing while the lock is held, else why it could not be taken.
    const std::optional<std::string>& Failed() const { return failure_; }

private:
    void Release()
    {
        if (fd_ >= 0)
            close(fd_);
        fd_ = -1;
    }

    std::string name_;
    int fd_ = -1;
    std::optional<std::string> failure_;
};

// A killed save's temporary copies beside the saved game: regular files of this user whose names
// are the file's own, the store's mark and mkostemp's six letters or digits, and nothing else.
// Removed only under the save lock, when no program can be in the middle of a save. Files of the
// names earlier versions used are left alone: a person could have chosen those names.
void RemoveDebris(const std::string& file)
{
    SaveLock lock(file, 0);
    DIR* folder = opendir(FolderOf(file).c_str());
    if (lock.Failed() || folder == nullptr) {
        if (folder != nullptr)
            closedir(folder);
        return;
    }
    const std::string stem = file.substr(file.rfind('/') + 1) + std::string(TemporaryMark);
    while (const dirent* entry = readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name.size() != stem.size() + UniqueLength || name.substr(0, stem.size()) != stem)
            continue;
        const auto unique = name.substr(stem.size());
        struct stat info {};
        if (std::all_of(unique.begin(), unique.end(), [](char c) { return c != '_' && PlainName({&c, 1}); })
            && fstatat(dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && info.st_uid == geteuid())
            unlinkat(dirfd(folder), entry->d_name, 0);
    }
    closedir(folder);
}

// Renames a regular file that is no saved game to the first free name of file.unreadable,
// file.unreadable-2, ..., so that it is kept and its place is free for a new game. Never replaces
// a file already there. Nothing when done, else why not.
std::optional<std::string> SetAside(const std::string& file)
{
    for (int n = 1; n <= 1000; ++n) {
        const std::string aside = file + ".unreadable" + (n == 1 ? "" : "-" + std::to_string(n));
        if (renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
            return std::nullopt;
        // A file system that cannot rename without replacing still links without replacing.
        if ((errno == EINVAL || errno == ENOSYS) && link(file.c_str(), aside.c_str()) == 0) {
            if (unlink(file.c_str()) == 0)
                return std::nullopt;
            const auto failure = Failure(file);
            unlink(aside.c_str());
            return failure;
        }
        if (errno != EEXIST)
            return Failure(file);
    }
    return file + ": too many unreadable copies are kept beside it";
}

bool WriteAll(int fd, const std::string& bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR)
            return false;
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    return true;
}

// Replaces the file by one holding `bytes`, written beside it and renamed over it in one step, so
// that it is never seen half written. The new file keeps the old one's permissions.
std::optional<std::string> Replace(const std::string& file, const std::string& bytes)
{
    mode_t mode = 0600;
    struct stat old {};
    if (stat(file.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return file + " is not a file";
        // A file marked read-only is left alone, even by a program that could write it.
        if ((old.st_mode & 0222) == 0 || access(file.c_str(), W_OK) != 0)
            return file + " is read-only";
        mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
        return Failure(file);
    }
    std::string temporary = file + std::string(TemporaryMark) + std::string(UniqueLength, 'X');
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Failure(file);
    std::optional<std::string> failure;
    if (fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0)
        failure = Failure(file);
    if (close(fd) != 0 && !failure)
        failure = Failure(file);
    if (!failure && rename(temporary.c_str(), file.c_str()) != 0)
        failure = Failure(file);
    if (failure) {
        unlink(temporary.c_str());
        return failure;
    }
    // The rename itself reaches the disk only with its folder.
    if (const int folder = open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return std::nullopt;
}

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

std::uint32_t DigitValue(char c) { return static_cast<std::uint32_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10); }

void PutCode(std::string& out, std::uint32_t code, bool asBytes)
{
    if (asBytes) {
        out += static_cast<char>(code <= 0xFF ? code : '?');
        return;
    }
    if (code > 0x10FFFF)
        code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The text of a value as written in the file, by QSettings' rules for a string: quotes keep
// spaces, backslash escapes, unquoted spaces at either end dropped. Bytes outside escapes pass
// through unchanged; an escaped character is UTF-8, or one byte when `asBytes`.
std::string Unquoted(std::string_view raw, bool asBytes)
{
    std::string out;
    std::size_t i = raw.find_first_not_of(" \t");
    std::size_t kept = 0;  // unquoted spaces and tabs past this are dropped at the end
    bool quoted = false, anyQuote = false;
    while (i < raw.size()) {
        const char c = raw[i++];
        if (c == '"') {
            quoted = !quoted;
            anyQuote = true;
            kept = out.size();
            if (!quoted)
                i = std::min(raw.find_first_not_of(" \t", i), raw.size());
            continue;
        }
        if (c != '\\') {
            out += c;
            if (quoted)
                kept = out.size();
            continue;
        }
        if (i == raw.size())
            break;
        const char e = raw[i++];
        static constexpr std::string_view named = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
        if (const auto at = named.find(e); at != std::string_view::npos && at % 2 == 0) {
            out += named[at + 1];
        } else if (e == 'x' || (e >= '0' && e <= '7')) {
            const std::uint32_t base = e == 'x' ? 16 : 8;
            std::uint32_t code = e == 'x' ? 0 : static_cast<std::uint32_t>(e - '0');
            bool any = e != 'x';
            for (; i < raw.size() && (base == 16 ? IsHex(raw[i]) : raw[i] >= '0' && raw[i] <= '7'); ++i, any = true)
                code = std::min<std::uint32_t>(code * base + DigitValue(raw[i]), 0x110000);
            if (any)
                PutCode(out, code, asBytes);
        }
        // Any other escaped character is dropped, as QSettings does.
        kept = out.size();
    }
    if (!anyQuote)
        out.erase(std::max(kept, out.find_last_not_of(" \t") + 1));
    return out;
}

// A value as the game reads it. Text that begins with @ is a typed value in QSettings' format:
// only a string or a byte array is text; anything else (a variant, a rectangle) is never decoded
// and cannot be read.
std::optional<std::string> ValueOf(std::string_view raw)
{
    std::string text = Unquoted(raw, false);
    if (text.empty() || text[0] != '@')
        return text;
    if (text.rfind("@@", 0) == 0)
        return text.substr(1);
    const bool bytes = text.rfind("@ByteArray(", 0) == 0;
    if (text.back() != ')' || (!bytes && text.rfind("@String(", 0) != 0))
        return std::nullopt;
    if (bytes)
        text = Unquoted(raw, true);
    const std::size_t open = text.find('(') + 1;
    return text.substr(open, text.size() - open - 1);
}

// The values of the file's [General] section (or before any section) with plain names; the last
// of a repeated name counts. Lines end at a line feed, with or without a carriage return.
std::map<std::string, std::string, std::less<>> Parse(std::string_view file)
{
    std::map<std::string, std::string, std::less<>> values;
    bool general = true;
    while (!file.empty()) {
        const std::size_t end = std::min(file.find('\n'), file.size());
        std::string_view line = file.substr(0, end);
        file.remove_prefix(std::min(end + 1, file.size()));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        if (!line.empty() && line[0] == '[') {
            general = line.substr(0, line.find_last_not_of(" \t") + 1) == "[General]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!general || equals == std::string_view::npos)
            continue;
        std::string_view name = line.substr(0, equals);
        name = name.substr(0, name.find_last_not_of(" \t") + 1);
        if (!PlainName(name))
            continue;
        if (auto value = ValueOf(line.substr(equals + 1)))
            values[std::string(name)] = std::move(*value);
        else
            values.erase(std::string(name));
    }
    return values;
}

// A value as QSettings writes it, so that each reads what the other wrote: ASCII text as it
// stands, anything else as @ByteArray(...) with its bytes past ASCII escaped, which both read
// back byte for byte whether or not they are UTF-8.
std::string Escaped(const std::string& text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const std::string body = !ascii ? "@ByteArray(" + text + ")" : !text.empty() && text[0] == '@' ? "@" + text : text;
    std::string out;
    bool quote = false, escapeHex = false;
    char hex[8];
    for (const char c : body) {
        const auto byte = static_cast<unsigned char>(c);
        quote = quote || c == ';' || c == ',' || c == '=';
        // A hex escape runs on through every hex digit, so one that follows it is escaped too.
        if (escapeHex && IsHex(c)) {
            std::snprintf(hex, sizeof hex, "\\x%x", byte);
            out += hex;
            continue;
        }
        escapeHex = false;
        static constexpr std::string_view named = "\aa\bb\ff\nn\rr\tt\vv\"\"\\\\";
        if (const auto at = named.find(c); c != '\0' && at != std::string_view::npos && at % 2 == 0) {
            out += '\\';
            out += named[at + 1];
        } else if (byte < 0x20 || byte >= 0x7F) {
            std::snprintf(hex, sizeof hex, "\\x%x", byte);
            out += byte == 0 ? "\\0" : hex;
            escapeHex = true;
        } else {
            out += c;
        }
    }
    if (quote || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        return '"' + out + '"';
    return out;
}

}  // namespace

std::string DefaultStorePath()
{
    // Only an absolute path counts; a relative one is ignored, as the base-directory rules say.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config != nullptr && config[0] == '/') {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') {
            const passwd* user = getpwuid(getuid());
            home = user != nullptr ? user->pw_dir : "";
        }
        folder = std::string(home) + "/.config";
    }
    return folder + "/Tessivar/Pennantry.conf";
}

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) {}

bool SettingsStore::Open()
{
    open_ = false;
    refusal_.clear();
    values_.clear();
    const std::string folder = FolderOf(path_);
    if (!MakeFolders(folder)) {
        refusal_ = "Pennantry cannot keep its saved game in " + folder + ": " + std::strerror(errno) + ".";
        return false;
    }
    const std::string file = Target(path_);
    FileContents contents = ReadFile(file);
    // A file that cannot be read as a saved game is damage, not a reason never to play again: it
    // is kept aside under a name that says so, and a new game begins. The check is repeated under
    // the lock, so a file another program has just saved is never the one set aside.
    if (contents.regular && !contents.readable) {
        SaveLock lock(file, LockWaitMs);
        contents = ReadFile(file);
        if (contents.regular && !contents.readable) {
            if (const auto failure = lock.Failed() ? lock.Failed() : SetAside(file)) {
                refusal_ = "Pennantry cannot read its saved game, nor move it aside.\n" + *failure;
                return false;
            }
            contents = ReadFile(file);
        }
    }
    // Replacing anything but a file would never be right: the player is told what stands where.
    if (contents.found && !contents.readable) {
        refusal_ = "Pennantry cannot keep its saved game at " + file + ": " + contents.other + ".";
        if (contents.blocked)
            refusal_ += "\nMove it away, then start Pennantry again.";
        return false;
    }
    // The store exists from here on, as the registry key would: an empty file is an empty store.
    // A link that leads nowhere yet is a new game; the first save makes its file.
    if (!contents.found && file == path_) {
        const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
            refusal_ = "Pennantry cannot make its saved game: " + Failure(file) + ".";
            return false;
        }
        if (fd >= 0)
            close(fd);
    }
    values_ = Parse(contents.bytes);
    RemoveDebris(file);
    open_ = true;
    return true;
}

std::string SettingsStore::Refusal() const { return refusal_; }

std::optional<std::string> SettingsStore::Read(std::string_view name)
{
    const auto it = values_.find(name);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::string> SettingsStore::Write(const std::vector<std::pair<std::string, std::string>>& values)
{
    // A save writes a clean file: the game's values and nothing else the old file held.
    return Change([&values](Values& set) {
        set.clear();
        for (const auto& [name, text] : values)
            if (PlainName(name))
                set[name] = text;
    });
}

std::optional<std::string> SettingsStore::Erase(const std::vector<std::string>& names)
{
    return Change([&names](Values& set) {
        for (const auto& name : names)
            set.erase(name);
    });
}

std::optional<std::string> SettingsStore::Change(const std::function<void(Values&)>& apply)
{
    if (!open_)
        return "the saved game could not be opened";
    const std::string file = Target(path_);
    SaveLock lock(file, LockWaitMs);
    if (lock.Failed())
        return lock.Failed();
    // Another program may have saved since this one opened; change what the file holds now.
    const FileContents now = ReadFile(file);
    Values set = Parse(now.readable ? now.bytes : std::string());
    apply(set);
    std::string bytes = set.empty() ? "" : "[General]\n";
    for (const auto& [name, text] : set)
        bytes += name + "=" + Escaped(text) + "\n";
    auto failure = Replace(file, bytes);
    if (!failure)
        values_ = std::move(set);
    return failure;
}

}  // namespace pennantry
