#include "analysis/declared_names.h"

DeclaredNames::DeclaredNames(const QStringList &names) {
    m_folded.reserve(names.size());
    for (const QString &name : names)
        append(name);
}

void DeclaredNames::append(const QString &name) {
    m_names.append(name);
    m_folded.insert(NameSet::fold(name, m_foldBuffer));
}

bool IsNameFree(QStringView name, const VocabularyNames &vocabulary, const DeclaredNames &declared,
                std::u16string &buffer) {
    const QStringView folded = NameSet::fold(name, buffer);
    return !vocabulary.containsFolded(folded) && !declared.containsFolded(folded);
}
