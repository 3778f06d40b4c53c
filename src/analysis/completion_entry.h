#pragma once

#include <QString>
#include <QTypeInfo>

// One entry of a completion list: the fixed vocabulary and the names a scan adds.
struct CompletionEntry {
    QString name;
    QString params; // parameter text, e.g. "(x%,y%)" or "(0 ... 10)"
    int icon = 0;
    QString description;
    bool operator==(const CompletionEntry &) const = default;
};
// Lists of them grow by moving their bytes, as QString itself allows.
Q_DECLARE_TYPEINFO(CompletionEntry, Q_RELOCATABLE_TYPE);
