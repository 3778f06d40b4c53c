#pragma once

#include "analysis/name_set.h"
#include "analysis/navigator_node.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <string>

// IsDeclaredInScope over the navigator's nodes, indexed once. A word is declared when a
// global, constant, procedure or label node carries it, or a member node of the procedure
// the word is used in. Names match case-sensitively; procedures carry their ":".
//
// The owner of a member is the text of the last procedure node before it in insertion
// order, exactly as a walk over the nodes would see it, so the answers equal the walk's for
// any node list, not only for the ones the scanner builds.
class ScopeIndex {
public:
    ScopeIndex() = default;
    explicit ScopeIndex(const QList<NavigatorNode> &nodes);

    // Indexes one more node, in insertion order. `inLstProc`: the caller asks lstProc
    // (ignoring case) before the index, so a global, constant or procedure text that stands
    // there need not be held twice; only the procedures' order is taken from such a node.
    void add(QStringView key, const QString &text, bool inLstProc = false);

    bool IsDeclaredInScope(QStringView name, const QString &procName) const {
        return isDeclared(name, NameSet::hash(name), ownerOf(procName));
    }

    // For many lookups in one procedure: fetch its number once, then ask with it (-1: a
    // procedure without members).
    int ownerOf(const QString &procName) const { return m_owners.value(procName, -1); }
    bool isDeclared(QStringView name, std::uint32_t hash, int owner) const;

private:
    // The members of every procedure in one set, each name behind its owner's number as two
    // characters: one table for the whole document rather than one per procedure.
    struct OwnerPrefix {
        explicit OwnerPrefix(int owner)
            : m_chars{char16_t(owner & 0xFFFF), char16_t(unsigned(owner) >> 16)} {}
        QStringView view() const { return QStringView(m_chars, 2); }
        char16_t m_chars[2];
    };

    NameSet m_everywhere;
    NameSet m_members;
    QHash<QString, int> m_owners; // owner procedure text -> number
    QString m_owner;              // text of the last procedure node indexed
};
