// The saved game kept through QSettings: the player's own INI file, or the registry on Windows.
#include "SettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVariant>

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
    if (!settings_ || name.empty())
        return std::nullopt;
    const QVariant value = settings_->value(KeyOf(name));
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

void SettingsStore::Write(const std::vector<std::pair<std::string, std::string>>& values)
{
    if (!settings_)
        return;
    for (const auto& [name, text] : values)
        if (!name.empty())
            settings_->setValue(KeyOf(name), Stored(text));
    // One sync for the whole set: QSettings writes a new file and renames it over the old one.
    settings_->sync();
}

void SettingsStore::Erase(const std::vector<std::string>& names)
{
    if (!settings_)
        return;
    // An empty name would remove every value at once.
    for (const auto& name : names)
        if (!name.empty())
            settings_->remove(KeyOf(name));
    settings_->sync();
}

}  // namespace pennantry
