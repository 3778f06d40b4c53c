#pragma once

#include <QString>
#include <QTypeInfo>

// One word the search for undefined names could not place. The window marks `line`,
// colours it and moves the caret there, once per finding and in order.
struct UndefinedFinding {
    int line = 0; // 0-based
    QString word;
    bool operator==(const UndefinedFinding &) const = default;
};
Q_DECLARE_TYPEINFO(UndefinedFinding, Q_RELOCATABLE_TYPE);
