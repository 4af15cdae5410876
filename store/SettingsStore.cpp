// The saved game kept through QSettings: the player's own INI file, or the registry on Windows.
#include "SettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>

#ifndef Q_OS_WIN
#include <cstdio>
#include <map>
#endif

namespace pennantry {

namespace {

QString KeyOf(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// Text that is valid UTF-8 is kept as a string, so the file stays readable by hand. Any other
// bytes are kept as a byte array, which QSettings stores and returns unchanged.
QVariant Stored(const std::string& text)
{
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    QString decoded = QString::fromUtf8(bytes);
    if (decoded.toUtf8() == bytes)
        return decoded;
    return bytes;
}

std::string Text(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The names this store keeps. Anything else in the file came from a hand edit or damage.
bool PlainName(const QString& key)
{
    if (key.isEmpty())
        return false;
    for (const QChar c : key)
        if (c.unicode() > 0x7F || !(c.isLetterOrNumber() || c == QLatin1Char('_')))
            return false;
    return true;
}

// A value as the game reads it: the text that was written, whatever type QSettings made of it.
std::optional<std::string> TextOf(const QVariant& value)
{
    if (!value.isValid())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::QByteArray:
        return Text(value.toByteArray());
    case QMetaType::QString:
        return Text(value.toString().toUtf8());
    case QMetaType::QStringList:
        // Only a hand-edited file has these: QSettings splits an unquoted value at its commas.
        return Text(value.toStringList().join(QLatin1Char(',')).toUtf8());
    default:
        // Other hand-written @Variant or @Type(...) values: the text they convert to, if any.
        if (!value.canConvert<QString>())
            return std::nullopt;
        return Text(value.toString().toUtf8());
    }
}

#ifndef Q_OS_WIN
// How long a change waits for another program's save to finish before giving up.
constexpr int LockWait = 10000;

using Contents = std::map<QString, QVariant>;

Contents ContentsOf(QSettings& settings)
{
    Contents contents;
    for (const QString& key : settings.allKeys())
        contents[key] = settings.value(key);
    return contents;
}

// A name for a file beside the stored one that this process's QSettings has never seen, so that
// reading it parses what is on disk rather than what QSettings remembers. Removed at the end.
std::unique_ptr<QTemporaryFile> FreshFileBeside(const QString& file)
{
    auto fresh = std::make_unique<QTemporaryFile>(file + QStringLiteral(".XXXXXX"));
    if (!fresh->open())
        return nullptr;
    fresh->close();
    return fresh;
}

// The values of the stored file that this store can keep, each as the text the game reads.
std::optional<std::map<QString, std::string>> KeptValues(const QString& file)
{
    QByteArray current;
    QFile stored(file);
    if (stored.open(QIODevice::ReadOnly))
        current = stored.readAll();
    else if (stored.exists())
        return std::nullopt;
    const auto copy = FreshFileBeside(file);
    if (!copy || !copy->open() || copy->write(current) != current.size() || !copy->flush())
        return std::nullopt;
    copy->close();
    std::map<QString, std::string> kept;
    QSettings settings(copy->fileName(), QSettings::IniFormat);
    settings.setFallbacksEnabled(false);
    for (const QString& key : settings.allKeys())
        if (PlainName(key))
            if (auto text = TextOf(settings.value(key)))
                kept[key] = std::move(*text);
    return kept;
}

// Writes the stored file's values with one change applied to a new file beside it, and returns
// that file once it has been read back whole; nothing on any failure. QSaveFile (as QSettings
// uses it) can rename a file cut short by a full disk into place and call it a success, so the
// result may replace the stored file only after it has been read back from a name never cached.
// Only strings and byte arrays are written, and both come back exactly, so a mismatch means a
// file that is not whole. Whatever the stored file held that the game cannot read is dropped.
std::unique_ptr<QTemporaryFile> StageChange(const QString& file, const std::function<void(QSettings&)>& apply)
{
    const auto kept = KeptValues(file);
    auto staged = FreshFileBeside(file);
    auto checked = FreshFileBeside(file);
    if (!kept || !staged || !checked)
        return nullptr;
    Contents meant;
    {
        QSettings settings(staged->fileName(), QSettings::IniFormat);
        settings.setFallbacksEnabled(false);
        settings.setAtomicSyncRequired(true);
        for (const auto& [key, text] : *kept)
            settings.setValue(key, Stored(text));
        apply(settings);
        meant = ContentsOf(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return nullptr;
    }
    if (std::rename(QFile::encodeName(staged->fileName()).constData(),
                    QFile::encodeName(checked->fileName()).constData()) != 0)
        return nullptr;
    QSettings written(checked->fileName(), QSettings::IniFormat);
    written.setFallbacksEnabled(false);
    if (ContentsOf(written) != meant || written.status() != QSettings::NoError)
        return nullptr;
    return checked;
}
#endif

}  // namespace

std::string DefaultStorePath()
{
#ifdef Q_OS_WIN
    return "HKEY_LOCAL_MACHINE\\Software\\Tessivar\\Pennantry";
#else
    // The same folder QSettings would choose for the organization and application in user scope.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QFile::encodeName(folder + QStringLiteral("/Tessivar/Pennantry.conf")).toStdString();
#endif
}

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) {}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::Open()
{
    settings_.reset();
#ifdef Q_OS_WIN
    auto settings = std::make_unique<QSettings>(QString::fromStdString(path_), QSettings::NativeFormat);
#else
    const QString file = QFile::decodeName(QByteArray(path_.data(), static_cast<qsizetype>(path_.size())));
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    // The store exists from here on, as the registry key would: an empty file is an empty store.
    QFile probe(file);
    if (!probe.open(QIODevice::ReadOnly) && (probe.exists() || !probe.open(QIODevice::ReadWrite)))
        return false;
    probe.close();
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
#endif
    settings->setFallbacksEnabled(false);
    settings->setAtomicSyncRequired(true);
    // QSettings reads lazily; its status speaks of the file only once the keys have been read.
    settings->allKeys();
    // A file that reads but does not parse still opens: the load takes what it can.
    if (settings->status() == QSettings::AccessError)
        return false;
    settings_ = std::move(settings);
    return true;
}

std::optional<std::string> SettingsStore::Read(std::string_view name)
{
    if (!settings_ || !PlainName(KeyOf(name)))
        return std::nullopt;
    return TextOf(settings_->value(KeyOf(name)));
}

std::optional<std::string> SettingsStore::Write(const std::vector<std::pair<std::string, std::string>>& values)
{
    return Change([&values](QSettings& settings) {
        for (const auto& [name, text] : values)
            if (PlainName(KeyOf(name)))
                settings.setValue(KeyOf(name), Stored(text));
    });
}

void SettingsStore::Erase(const std::vector<std::string>& names)
{
    (void)Change([&names](QSettings& settings) {
        for (const auto& name : names)
            if (PlainName(KeyOf(name)))
                settings.remove(KeyOf(name));
    });
}

std::optional<std::string> SettingsStore::Change(const std::function<void(QSettings&)>& apply)
{
    if (!settings_)
        return "the saved game could not be opened";
#ifdef Q_OS_WIN
    // The registry takes each value whole; there is no file to cut short.
    apply(*settings_);
    settings_->sync();
#else
    const QString file = settings_->fileName();
    {
        // The lock QSettings itself takes to write this file, so no other program replaces it
        // meanwhile; readers need none, as the file only ever changes by a rename. A program that
        // died holding the lock is known by its process id and does not block the next one.
        QLockFile lock(file + QStringLiteral(".lock"));
        if (!lock.tryLock(LockWait))
            return "another program is saving the game";
        const auto ready = StageChange(file, apply);
        if (!ready
            || std::rename(QFile::encodeName(ready->fileName()).constData(), QFile::encodeName(file).constData()) != 0)
            return "the file could not be written";
    }
    // Let this process's copy of the settings pick up the file that replaced the old one.
    settings_->sync();
#endif
    return std::nullopt;
}

}  // namespace pennantry
