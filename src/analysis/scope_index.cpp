#include "analysis/scope_index.h"

#include "analysis/navigator_keys.h"
#include "base/memory_policy.h"

#include <algorithm>

ScopeIndex::ScopeIndex(const QList<NavigatorNode> &nodes, const QStringList &lstProc) {
    qsizetype next = 0; // the entry of lstProc a scan's next global, constant or procedure has
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        if (i + MemoryPolicy::kAhead < nodes.size()) {
            const NavigatorNode &ahead = nodes[i + MemoryPolicy::kAhead];
            MemoryPolicy::prefetch(ahead.key.constData());
            MemoryPolicy::prefetch(ahead.text.constData());
        }
        const NavigatorNode &node = nodes[i];
        const bool listed = next < lstProc.size() && node.text == lstProc[next];
        if (listed)
            ++next;
        add(node.key, node.text, listed);
    }
}

void ScopeIndex::add(QStringView key, const QString &text, bool inLstProc) {
    if (NavigatorKeys::isTopLevel(key))
        return;
    const bool member = NavigatorKeys::isMember(key);
    if (!member && NavigatorKeys::kind(key) == NavigatorKeys::kProcedures) {
        m_owner = text;
        m_ownerNumber = -1;
    }
    if (!member && !inLstProc)
        m_everywhere.insert(text);
    addNear(text, member);
}

void ScopeIndex::addNear(const QString &text, bool member) {
    if (m_ownerNumber < 0) {
        auto found = m_owners.constFind(m_owner);
        if (found == m_owners.cend()) {
            found = m_owners.insert(m_owner, int(m_owners.size()));
            m_ownerNames.append(m_owner);
            m_near.emplace_back();
        }
        m_ownerNumber = *found;
    }
    const int owner = m_ownerNumber;
    Near &near = m_near[std::size_t(owner)];
    // A member that a name kept already carries is not kept again, even when that name is no
    // member: such a name is declared everywhere, so the answers are the same.
    if (!near.inTable) {
        if (find(near, text))
            return;
        const bool together = near.count == 0 || m_lastInText == owner;
        if (together && near.count < kFewNames && text.size() <= kLongestKept) {
            if (near.count == 0)
                near.begin = std::uint32_t(m_nearText.size());
            m_nearText.push_back(char16_t(text.size()) | (member ? 0 : kNotMember));
            m_nearText.append(reinterpret_cast<const char16_t *>(text.utf16()),
                              std::size_t(text.size()));
            near.end = std::uint32_t(m_nearText.size());
            ++near.count;
            m_lastInText = owner;
            return;
        }
        moveToTable(owner);
    }
    if (member)
        m_nearTable.insert(OwnerPrefix(owner).view(), text);
}

bool ScopeIndex::find(const Near &near, QStringView name) const {
    const char16_t *at = m_nearText.data() + near.begin;
    const char16_t *end = m_nearText.data() + near.end;
    const char16_t *wanted = name.utf16();
    while (at < end) {
        const qsizetype length = *at & ~kNotMember;
        if (length == name.size() && NameSet::sameChars(at + 1, wanted, length))
            return true;
        at += 1 + length;
    }
    return false;
}

void ScopeIndex::moveToTable(int owner) {
    Near &near = m_near[std::size_t(owner)];
    const OwnerPrefix prefix(owner);
    for (const char16_t *at = m_nearText.data() + near.begin, *end = m_nearText.data() + near.end;
         at < end;) {
        const char16_t first = *at++;
        const qsizetype length = first & ~kNotMember;
        if (!(first & kNotMember))
            m_nearTable.insert(prefix.view(), QStringView(at, length));
        at += length;
    }
    near.inTable = true;
    if (m_lastInText == owner)
        m_nearText.resize(near.begin);
}

bool ScopeIndex::isNear(QStringView name, int owner) const {
    if (owner < 0)
        return false;
    const Near &near = m_near[std::size_t(owner)];
    return near.inTable ? m_nearTable.contains(OwnerPrefix(owner).view(), name) : find(near, name);
}
