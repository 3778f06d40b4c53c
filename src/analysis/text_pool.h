#pragma once

#include "analysis/name_set.h"

#include <QString>
#include <QStringView>
#include <unordered_set>

// Short texts that repeat (a member "i%" in every procedure, the same unknown word on many
// lines) kept once and shared by everything that holds them, instead of one copy each.
// Bounded, so a document of only distinct texts does not pay for a table that never helps.
class TextPool {
public:
    // `text` itself, or the kept copy of it; a view is copied only when not kept.
    QString shared(const QString &text);
    QString shared(QStringView text);

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(QStringView text) const { return NameSet::hash(text); }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const { return a == b; }
    };
    std::unordered_set<QString, Hash, Equal> m_texts;
};
