// Sections of the settings file that hold one record of texts and booleans (the
// document wizard, the graphics and image dialogs): each key is declared once, in a
// table of entries with `key` (null: not stored) and `member`, and that table drives
// both reading and writing. The default of a missing key is the member's initialiser.
// Booleans are written as 1 and 0 and read as any non-zero integer.
#pragma once

#include "platform/profile.h"

#include <QString>
#include <span>
#include <type_traits>
#include <variant>

template<typename Record> using SettingsMember = std::variant<QString Record::*, bool Record::*>;

template<typename Record, typename Entry>
void readSettingsSection(const Profile &profile, const QString &section, std::span<const Entry> table, Record &record)
{
    const Record defaults{};
    for (const Entry &e : table) {
        if (!e.key)
            continue;
        const QString key = QLatin1String(e.key);
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), bool Record::*>)
                    record.*member = profile.getInt(section, key, defaults.*member ? 1 : 0) != 0;
                else
                    record.*member = profile.getString(section, key, defaults.*member);
            },
            e.member);
    }
}

// Every key in one replacement of the file; false (and *error) when it could not be
// written, and then the old file is intact.
template<typename Record, typename Entry>
bool writeSettingsSection(Profile &profile, const QString &section, std::span<const Entry> table,
                          const Record &record, QString *error = nullptr)
{
    profile.beginBatch();
    for (const Entry &e : table) {
        if (!e.key)
            continue;
        const QString key = QLatin1String(e.key);
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), bool Record::*>)
                    profile.writeInt(section, key, record.*member ? 1 : 0);
                else
                    profile.writeString(section, key, record.*member);
            },
            e.member);
    }
    const bool ok = profile.commitBatch();
    if (!ok && error)
        *error = profile.lastError();
    return ok;
}
