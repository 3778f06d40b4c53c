#pragma once

#include "analysis/name_set.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The names of the fixed OPL vocabulary (the entries of GlobalMemberList), upper-cased once
// so that each check ignoring case is one lookup.
class VocabularyNames {
public:
    VocabularyNames() = default;
    explicit VocabularyNames(const QStringList &names);

    bool contains(QStringView name) const;
    bool containsFolded(QStringView foldedName) const { return m_folded.contains(foldedName); }
    bool containsFolded(QStringView foldedName, std::uint32_t hash) const {
        return m_folded.contains(foldedName, hash);
    }
    qsizetype size() const { return m_folded.size(); }

private:
    NameSet m_folded;
};
