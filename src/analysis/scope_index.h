#pragma once

#include "analysis/navigator_node.h"

#include <QList>
#include <QSet>
#include <QString>
#include <utility>

// IsDeclaredInScope over the navigator's nodes, indexed once. A word is declared when a
// global, constant, procedure or label node carries it, or a member node of the procedure
// the word is used in. Names match case-sensitively; procedures carry their ":".
//
// The owner of a member is the text of the last procedure node before it in insertion
// order, exactly as a walk over the nodes would see it, so the answers equal the walk's for
// any node list, not only for the ones the scanner builds.
class ScopeIndex {
public:
    explicit ScopeIndex(const QList<NavigatorNode> &nodes);

    bool IsDeclaredInScope(const QString &name, const QString &procName) const;

private:
    QSet<QString> m_everywhere;
    QSet<std::pair<QString, QString>> m_members; // (owner procedure, name)
};
