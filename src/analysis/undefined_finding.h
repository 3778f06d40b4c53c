#pragma once

#include <QString>

// One word the search for undefined names could not place. The window marks `line`,
// colours it and moves the caret there, once per finding and in order.
struct UndefinedFinding {
    int line = 0; // 0-based
    QString word;
    bool operator==(const UndefinedFinding &) const = default;
};
