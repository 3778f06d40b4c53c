#include "document/command_table.h"

#include <algorithm>

CommandTable::CommandTable(const NameSource &source) {
    for (int number = FirstNumber; number <= LastNumber && m_count + 1 < Slots; ++number) {
        const QString commandName = source(number, false);
        if (commandName.isEmpty())
            continue;
        ++m_count;
        m_names[m_count] = commandName;
        m_ids[m_count] = QString::number(number);
        m_descriptions[m_count] = source(number, true);
    }
}

QString CommandTable::name(int slot) const {
    return slot >= 0 && slot < Slots ? m_names[slot] : QString();
}

QString CommandTable::description(int slot) const {
    return slot >= 0 && slot < Slots ? m_descriptions[slot] : QString();
}

QString CommandTable::id(int slot) const {
    return slot >= 0 && slot < Slots ? m_ids[slot] : QString();
}

QStringList CommandTable::sortedNames() const {
    QStringList sorted(m_names.begin() + 1, m_names.begin() + 1 + m_count);
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return sorted;
}

int CommandTable::find(const QString &name) const {
    const auto found = std::find(m_names.begin(), m_names.end(), name);
    return found == m_names.end() ? 0 : int(found - m_names.begin());
}
