// Helpers for the store's tests: raw file bytes, and reading a saved file back from a fresh copy.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "SettingsStore.h"

namespace pennantry::test {

inline constexpr std::array<const char*, 18> SavedNames{"B1", "B2", "B3", "BA", "HC", "HP", "HR", "HH", "MC",
                                                      "MP", "MR", "MH", "MRS", "HRS", "IN", "IP", "OU", "ST"};

using ValueSet = std::vector<std::pair<std::string, std::string>>;

// All eighteen names, each with the same text.
inline ValueSet UniformSet(const std::string& text)
{
    ValueSet set;
    for (const char* name : SavedNames)
        set.emplace_back(name, text);
    return set;
}

inline std::string FileBytes(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline void PutFile(const std::string& path, const std::string& bytes)
{
    const QString name = QString::fromStdString(path);
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile file(name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// What a later run of the program would read: a copy of the file at a path this process has
// never opened, so nothing can come from QSettings' in-process cache instead of the disk.
inline std::map<std::string, std::optional<std::string>> ReadBack(const std::string& path)
{
    std::map<std::string, std::optional<std::string>> found;
    QTemporaryDir elsewhere;
    const std::string copy = elsewhere.filePath("Pennantry.conf").toStdString();
    PutFile(copy, FileBytes(path));
    SettingsStore store(copy);
    if (!store.Open())
        return found;
    for (const char* name : SavedNames)
        found[name] = store.Read(name);
    return found;
}

inline std::map<std::string, std::optional<std::string>> Expected(const ValueSet& set)
{
    std::map<std::string, std::optional<std::string>> expected;
    for (const char* name : SavedNames)
        expected[name] = std::nullopt;
    for (const auto& [name, text] : set)
        expected[name] = text;
    return expected;
}

}  // namespace pennantry::test
