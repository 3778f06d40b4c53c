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
        if (member) {
            auto found = m_owners.constFind(owner);
            if (found == m_owners.cend())
                found = m_owners.insert(owner, int(m_owners.size()));
            m_members.insert(memberKey(*found, node.text));
        } else {
            m_everywhere.insert(node.text);
        }
    }
}

QStringView ScopeIndex::memberKey(int owner, QStringView name) const {
    m_keyBuffer.resize(std::size_t(name.size()) + 2);
    m_keyBuffer[0] = char16_t(owner & 0xFFFF);
    m_keyBuffer[1] = char16_t(unsigned(owner) >> 16);
    std::copy(name.utf16(), name.utf16() + name.size(), m_keyBuffer.begin() + 2);
    return QStringView(m_keyBuffer.data(), qsizetype(m_keyBuffer.size()));
}

bool ScopeIndex::isDeclared(QStringView name, std::uint32_t hash, int owner) const {
    if (m_everywhere.contains(name, hash))
        return true;
    return owner >= 0 && m_members.contains(memberKey(owner, name));
}
