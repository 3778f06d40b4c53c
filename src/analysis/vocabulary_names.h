#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The names of the fixed OPL vocabulary (the entries of GlobalMemberList), folded once so
// that each name check is one hash lookup.
class VocabularyNames {
public:
    VocabularyNames() = default;
    explicit VocabularyNames(const QStringList &names);

    // The form in which names are compared: upper case.
    static QString fold(const QString &name) { return name.toUpper(); }

    bool contains(const QString &name) const { return m_folded.contains(fold(name)); }
    bool containsFolded(const QString &foldedName) const { return m_folded.contains(foldedName); }
    qsizetype size() const { return m_folded.size(); }

private:
    QSet<QString> m_folded;
};
