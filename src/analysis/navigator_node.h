#pragma once

#include <QString>
#include <QTypeInfo>

// One node of the navigator as the scanner adds it. Nodes are kept in insertion order, which
// the scope lookup relies on: a procedure's members follow its own node.
struct NavigatorNode {
    QString key;       // unique: "A", "L", "V", "C", "F", "V3", "F2", "F2_5" ...
    QString parentKey; // "" for a top-level node
    QString text;
    bool operator==(const NavigatorNode &) const = default;
};
// Lists of them grow by moving their bytes, as QString itself allows.
Q_DECLARE_TYPEINFO(NavigatorNode, Q_RELOCATABLE_TYPE);
