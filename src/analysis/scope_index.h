#pragma once

#include "analysis/name_set.h"
#include "analysis/navigator_node.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <string>
#include <vector>

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
    explicit ScopeIndex(const QList<NavigatorNode> &nodes) : ScopeIndex(nodes, {}) {}
    // For a caller that asks lstProc first: a node whose text stands in lstProc where a scan
    // puts it (its globals, constants and procedures are listed there in the order of their
    // nodes) is not held again.
    ScopeIndex(const QList<NavigatorNode> &nodes, const QStringList &lstProc);

    // Indexes one more node, in insertion order. `inLstProc`: the caller asks lstProc
    // (ignoring case) before the index, so a global, constant or procedure text that stands
    // there need not be held twice; only the procedures' order is taken from such a node.
    void add(QStringView key, const QString &text, bool inLstProc = false);

    bool IsDeclaredInScope(QStringView name, const QString &procName) const {
        return isNear(name, ownerOf(procName)) || isDeclaredEverywhere(name, NameSet::hash(name));
    }

    // For many lookups in one procedure: fetch its number once, then ask with it (-1: a
    // procedure the index holds nothing under). The procedure numbered after `previous` is
    // tried first: a search from the top of the document meets the procedures in the order
    // they were indexed, and then needs no look-up in the table of all of them.
    int ownerOf(const QString &procName, int previous = -1) const {
        if (const qsizetype next = qsizetype(previous) + 1;
            next >= 0 && next < m_ownerNames.size() && m_ownerNames[next] == procName)
            return int(next);
        return m_owners.value(procName, -1);
    }
    // A member node of that procedure carries `name`, or a node met while it was the last
    // procedure (whose text is declared everywhere, so that the answer is the same). Asked
    // first, it answers a procedure's own names from the few places they are kept together.
    bool isNear(QStringView name, int owner) const;
    // A global, constant, procedure or label node carries `name`, whose hash is `hash`.
    bool isDeclaredEverywhere(QStringView name, std::uint32_t hash) const {
        return m_everywhere.contains(name, hash);
    }

private:
    // The names kept under one procedure: its members, and the other names met while it was
    // the last procedure. Its first few are kept one after the other in m_nearText and found
    // by walking them: a procedure's lines ask about the same few names over and over, and
    // these then share a cache line or two, where a table of the whole document's names
    // would scatter them. When a procedure has more, or its names do not come together, its
    // members move into m_nearTable, and its other names are no longer kept: they are found
    // where they are declared.
    struct Near {
        std::uint32_t begin = 0; // in m_nearText
        std::uint32_t end = 0;
        std::uint32_t count = 0;
        bool inTable = false;
    };
    static constexpr std::uint32_t kFewNames = 48;
    static constexpr qsizetype kLongestKept = 0x7FFF;
    // A kept name's first character: its length, and this bit for a name that is no member.
    static constexpr char16_t kNotMember = 0x8000;

    // The members of every procedure that has many in one set, each behind its owner's number
    // as two characters: one table for the whole document rather than one per procedure.
    struct OwnerPrefix {
        explicit OwnerPrefix(int owner)
            : m_chars{char16_t(owner & 0xFFFF), char16_t(unsigned(owner) >> 16)} {}
        QStringView view() const { return QStringView(m_chars, 2); }
        char16_t m_chars[2];
    };

    void addNear(const QString &text, bool member);
    bool find(const Near &near, QStringView name) const;
    void moveToTable(int owner);

    NameSet m_everywhere;
    NameSet m_nearTable;
    std::u16string m_nearText;    // per kept name: its first character, then its text
    std::vector<Near> m_near;     // per owner number
    QHash<QString, int> m_owners; // owner procedure text -> number
    QStringList m_ownerNames;     // number -> owner procedure text
    QString m_owner;              // text of the last procedure node indexed
    int m_ownerNumber = -1;       // its number, -1 until it is looked up
    int m_lastInText = -1;        // the owner whose names end m_nearText
};
