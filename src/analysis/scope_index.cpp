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
        m_members.insert(memberKey(*found, text));
        // A key for the words to come is short; a very long name's room is given back.
        if (m_keyBuffer.capacity() > 4096)
            std::u16string().swap(m_keyBuffer);
    } else if (!inLstProc) {
        m_everywhere.insert(text);
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
