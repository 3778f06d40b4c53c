#include "document/command_table.h"

#include <algorithm>

CommandTable::CommandTable(const NameSource &source) {
    for (int number = FirstNumber; number <= LastNumber && count_ + 1 < Slots; ++number) {
        const QString commandName = source(number, false);
        if (commandName.isEmpty())
            continue;
        ++count_;
        names_[count_] = commandName;
        ids_[count_] = QString::number(number);
        descriptions_[count_] = source(number, true);
    }
}

QString CommandTable::name(int slot) const {
    return slot >= 0 && slot < Slots ? names_[slot] : QString();
}

QString CommandTable::description(int slot) const {
    return slot >= 0 && slot < Slots ? descriptions_[slot] : QString();
}

QString CommandTable::id(int slot) const {
    return slot >= 0 && slot < Slots ? ids_[slot] : QString();
}

QStringList CommandTable::sortedNames() const {
    QStringList sorted(names_.begin() + 1, names_.begin() + 1 + count_);
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return sorted;
}

int CommandTable::find(const QString &name) const {
    const auto found = std::find(names_.begin(), names_.end(), name);
    return found == names_.end() ? 0 : int(found - names_.begin());
}
