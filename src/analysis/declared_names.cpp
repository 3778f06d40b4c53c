#include "analysis/declared_names.h"

#include "base/memory_policy.h"

DeclaredNames::DeclaredNames(const QStringList &names) : m_names(names) {
    m_folded.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i + MemoryPolicy::kAhead < names.size())
            MemoryPolicy::prefetch(names[i + MemoryPolicy::kAhead].constData());
        m_folded.insert(NameSet::fold(names[i], m_foldBuffer));
    }
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
