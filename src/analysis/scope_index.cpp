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
            m_members[owner].insert(node.text);
        else
            m_everywhere.insert(node.text);
    }
}

const NameSet *ScopeIndex::membersOf(const QString &procName) const {
    const auto it = m_members.constFind(procName);
    return it == m_members.cend() ? nullptr : &it.value();
}
