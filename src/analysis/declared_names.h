#pragma once

#include "analysis/name_set.h"
#include "analysis/vocabulary_names.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <string>

// lstProc: the names a scan declared (globals, constants, procedures and OPX functions), in
// the order met, with an upper-cased copy beside it so a check does not walk the list.
class DeclaredNames {
public:
    DeclaredNames() = default;
    explicit DeclaredNames(const QStringList &names);

    void append(const QString &name);
    // Known to the checks from now on, without a place in names(): for a caller that keeps
    // the list itself, or needs none.
    void addUnlisted(QStringView name) { m_folded.insert(NameSet::fold(name, m_foldBuffer)); }
    void reserve(qsizetype count) { m_folded.reserve(count); }
    bool containsFolded(QStringView foldedName) const { return m_folded.contains(foldedName); }
    bool containsFolded(QStringView foldedName, std::uint32_t hash) const {
        return m_folded.contains(foldedName, hash);
    }
    const QStringList &names() const { return m_names; }

private:
    QStringList m_names;
    NameSet m_folded;
    std::u16string m_foldBuffer;
};

// IsNameFree: false when `name` equals, ignoring case, a name of the fixed vocabulary or
// of `declared`. `buffer` is scratch space the caller may reuse between calls.
bool IsNameFree(QStringView name, const VocabularyNames &vocabulary, const DeclaredNames &declared,
                std::u16string &buffer);

inline bool IsNameFree(QStringView name, const VocabularyNames &vocabulary,
                       const DeclaredNames &declared) {
    std::u16string buffer;
    return IsNameFree(name, vocabulary, declared, buffer);
}
