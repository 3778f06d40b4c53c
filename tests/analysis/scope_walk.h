#pragma once

#include "analysis/navigator_node.h"

#include <QList>
#include <QString>

// The navigator's scope lookup as a plain walk over the nodes in insertion order: the
// reference the index must agree with.
inline bool scopeWalk(const QList<NavigatorNode> &nodes, const QString &name,
                      const QString &procName) {
    bool found = false;
    QString owner;
    for (const NavigatorNode &node : nodes) {
        if (node.key.size() == 1)
            continue;
        const bool member = node.key.indexOf(u'_') >= 1;
        if (node.key.startsWith(u'F') && !member)
            owner = node.text;
        if (node.text == name) {
            if (!member)
                return true;
            if (procName == owner)
                found = true;
        }
    }
    return found;
}
