#include "analysis/vocabulary_names.h"

VocabularyNames::VocabularyNames(const QStringList &names) {
    m_folded.reserve(names.size());
    std::u16string buffer;
    for (const QString &name : names)
        m_folded.insert(NameSet::fold(name, buffer));
}

bool VocabularyNames::contains(QStringView name) const {
    std::u16string buffer;
    return m_folded.contains(NameSet::fold(name, buffer));
}
