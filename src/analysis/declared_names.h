#pragma once

#include "analysis/vocabulary_names.h"

#include <QSet>
#include <QString>
#include <QStringList>

// lstProc: the names a scan declared (globals, constants, procedures and OPX functions), in
// the order met, with a folded copy beside it so a check does not walk the whole list.
class DeclaredNames {
public:
    DeclaredNames() = default;
    explicit DeclaredNames(const QStringList &names);

    void append(const QString &name);
    bool containsFolded(const QString &foldedName) const { return m_folded.contains(foldedName); }
    const QStringList &names() const { return m_names; }

private:
    QStringList m_names;
    QSet<QString> m_folded;
};

// False when `name` equals, ignoring case, a name of the fixed vocabulary or of `declared`.
bool IsNameFree(const QString &name, const VocabularyNames &vocabulary,
                const DeclaredNames &declared);
