#include "analysis/vocabulary_names.h"

VocabularyNames::VocabularyNames(const QStringList &names) {
    m_folded.reserve(names.size());
    for (const QString &name : names)
        m_folded.insert(fold(name));
}
