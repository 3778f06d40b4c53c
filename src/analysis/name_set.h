#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <unordered_set>

// A set of names looked up by view, so that checking a word cut from a line needs no copy
// of it. The hash is a plain FNV-1a: names are short and come from the user's own file,
// and Qt's seeded string hash cost more than everything else the searches do.
class NameSet {
public:
    void insert(const QString &name) { m_names.insert(name); }
    bool contains(QStringView name) const { return m_names.find(name) != m_names.end(); }
    void reserve(qsizetype count) { m_names.reserve(std::size_t(count)); }
    qsizetype size() const { return qsizetype(m_names.size()); }

    // `name` upper-cased, the form in which names are compared ignoring case. Pure ASCII
    // names are folded into `buffer` without allocating; others go through QString.
    static QStringView fold(QStringView name, std::u16string &buffer);

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(QStringView name) const noexcept;
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const noexcept { return a == b; }
    };
    std::unordered_set<QString, Hash, Equal> m_names;
};
