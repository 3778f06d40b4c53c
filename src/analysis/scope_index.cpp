#include "analysis/scope_index.h"

#include "analysis/navigator_keys.h"

ScopeIndex::ScopeIndex(const QList<NavigatorNode> &nodes) {
    for (const NavigatorNode &node : nodes)
        add(node.key, node.text);
}

void ScopeIndex::add(QStringView key, const QString &text, bool inLstProc) {
    if (NavigatorKeys::isTopLevel(key))
        return;
    const bool member = NavigatorKeys::isMember(key);
    if (!member && NavigatorKeys::kind(key) == NavigatorKeys::kProcedures)
        m_owner = text;
    if (member) {
        auto found = m_owners.constFind(m_owner);
        if (found == m_owners.cend())
            found = m_owners.insert(m_owner, int(m_owners.size()));
        const OwnerPrefix prefix(*found);
        m_members.insert(prefix.view(), text);
    } else if (!inLstProc) {
        m_everywhere.insert(text);
    }
}

bool ScopeIndex::isDeclared(QStringView name, std::uint32_t hash, int owner) const {
    if (m_everywhere.contains(name, hash))
        return true;
    return owner >= 0 && m_members.contains(OwnerPrefix(owner).view(), name);
}
