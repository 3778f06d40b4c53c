#pragma once

#include "analysis/name_set.h"
#include "analysis/navigator_node.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

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

    bool IsDeclaredInScope(QStringView name, const QString &procName) const {
        return isDeclared(name, membersOf(procName));
    }

    // For many lookups in one procedure: fetch its members once, then ask with them.
    const NameSet *membersOf(const QString &procName) const;
    bool isDeclared(QStringView name, const NameSet *members) const {
        return isDeclared(name, NameSet::hash(name), members);
    }
    bool isDeclared(QStringView name, std::uint32_t hash, const NameSet *members) const {
        return m_everywhere.contains(name, hash) || (members && members->contains(name, hash));
    }

private:
    NameSet m_everywhere;
    QHash<QString, NameSet> m_members; // by owner procedure
};
