#include "analysis/declared_names.h"

DeclaredNames::DeclaredNames(const QStringList &names) {
    m_folded.reserve(names.size());
    for (const QString &name : names)
        append(name);
}

void DeclaredNames::append(const QString &name) {
    m_names.append(name);
    m_folded.insert(VocabularyNames::fold(name));
}

bool IsNameFree(const QString &name, const VocabularyNames &vocabulary,
                const DeclaredNames &declared) {
    const QString folded = VocabularyNames::fold(name);
    return !vocabulary.containsFolded(folded) && !declared.containsFolded(folded);
}
