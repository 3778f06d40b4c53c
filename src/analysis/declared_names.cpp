#include "analysis/declared_names.h"

#include "base/memory_policy.h"

#include <array>

DeclaredNames::DeclaredNames(const QStringList &names) : m_names(names) {
    m_folded.reserve(names.size());
    // Each name is read kAhead names before it is folded, and folded kInFlight names before
    // it is added, while the table's memory for it is on its way.
    constexpr qsizetype kInFlight = 8;
    std::array<std::u16string, kInFlight> folded;
    std::array<std::uint32_t, kInFlight> hashes{};
    for (qsizetype i = 0; i < names.size() + kInFlight; ++i) {
        if (i + MemoryPolicy::kAhead < names.size())
            MemoryPolicy::prefetch(names[i + MemoryPolicy::kAhead].constData());
        if (i >= kInFlight) {
            const std::size_t was = std::size_t(i - kInFlight) % kInFlight;
            m_folded.insert(QStringView(folded[was]), hashes[was]);
        }
        if (i < names.size()) {
            const std::size_t slot = std::size_t(i) % kInFlight;
            const NameSet::Folded name = NameSet::foldAndHash(names[i], folded[slot]);
            hashes[slot] = name.hash;
            m_folded.prefetch(name.hash);
        }
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
