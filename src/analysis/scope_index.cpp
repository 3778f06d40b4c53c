#include "analysis/scope_index.h"

#include "analysis/navigator_keys.h"

ScopeIndex::ScopeIndex(const QList<NavigatorNode> &nodes) {
    QString owner;
    for (const NavigatorNode &node : nodes) {
        if (NavigatorKeys::isTopLevel(node.key))
            continue;
        const bool member = NavigatorKeys::isMember(node.key);
        if (!member && NavigatorKeys::kind(node.key) == NavigatorKeys::kProcedures)
            owner = node.text;
        if (member)
            m_members.insert({owner, node.text});
        else
            m_everywhere.insert(node.text);
    }
}

bool ScopeIndex::IsDeclaredInScope(const QString &name, const QString &procName) const {
    return m_everywhere.contains(name) || m_members.contains({procName, name});
}
