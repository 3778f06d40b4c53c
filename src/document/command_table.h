#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The execute-command dialog's tables: the editor's named commands from 99 to 222, in the order
// of their numbers, from slot 1 on. Slot 0 stays empty, so an empty name finds it and gives an
// empty description.
class CommandTable {
public:
    static constexpr int Slots = 201;
    static constexpr int FirstNumber = 99;
    static constexpr int LastNumber = 222;

    // The editor component's naming of a command: its name, or its one-line description when
    // `description` is true; "" for a number that is no command.
    using NameSource = std::function<QString(int number, bool description)>;

    // Asks `source` about every number in turn; numbers without a name are left out.
    explicit CommandTable(const NameSource &source);

    int count() const { return m_count; }
    QString name(int slot) const;
    QString description(int slot) const;
    // The number as decimal text, as the dialog passes it to the editor.
    QString id(int slot) const;

    // The names in the list's order: alphabetical, ignoring case.
    QStringList sortedNames() const;

    // The first slot from 0 whose name is exactly `name`: of two commands with one name the
    // lower number wins, and "" finds slot 0. A name not in the table also gives slot 0.
    int find(const QString &name) const;

private:
    std::array<QString, Slots> m_names;
    std::array<QString, Slots> m_descriptions;
    std::array<QString, Slots> m_ids;
    int m_count = 0;
};
