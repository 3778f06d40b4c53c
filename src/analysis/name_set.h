#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <string>
#include <vector>

// A set of names looked up by view, so that checking a word cut from a line needs no copy
// of it. Open addressing over one array of indices into the names: a lookup touches one or
// two cache lines, and a caller that asks several sets about one word hashes it once. The
// hash is a plain FNV-1a: names are short and come from the user's own file, and Qt's seeded
// string hash cost more than everything else the searches do.
class NameSet {
public:
    void insert(QStringView name);
    bool contains(QStringView name) const { return contains(name, hash(name)); }
    bool contains(QStringView name, std::uint32_t hash) const;
    void reserve(qsizetype count);
    qsizetype size() const { return qsizetype(m_entries.size()); }

    static std::uint32_t hash(QStringView name) {
        std::uint64_t h = 14695981039346656037ull;
        for (QChar c : name) {
            h ^= c.unicode();
            h *= 1099511628211ull;
        }
        return finish(h);
    }

    // FNV-1a moves a change of the last characters only upwards; the table takes the low
    // bits. One multiply spreads every bit into the high half, which becomes the hash.
    static std::uint32_t finish(std::uint64_t h) {
        return std::uint32_t((h * 0x9E3779B97F4A7C15ull) >> 32);
    }

    // `name` upper-cased, the form in which names are compared ignoring case. Pure ASCII
    // names are folded into `buffer` without allocating; others go through QString.
    static QStringView fold(QStringView name, std::u16string &buffer);

    // fold() and the hash of its result in one pass, for the many words of a search; also
    // the hash of `name` itself, which equals the first unless a letter changed.
    struct Folded {
        QStringView text;
        std::uint32_t hash;
        std::uint32_t originalHash;
    };
    static Folded foldAndHash(QStringView name, std::u16string &buffer);

private:
    void rehash(std::size_t slotCount);

    // The names stand one after the other in one of two buffers: no allocation per name, and
    // one byte per character for the names (nearly all) that fit in Latin-1.
    struct Entry {
        std::uint32_t offset; // a source is at most a few hundred megabytes
        std::uint32_t length; // with kWide set when the name is in m_wide
        std::uint32_t hash;
    };
    static constexpr std::uint32_t kWide = 0x80000000u;
    bool equals(const Entry &entry, QStringView name) const;

    std::string m_narrow;
    std::u16string m_wide;
    std::vector<Entry> m_entries;
    std::vector<std::uint32_t> m_slots; // index + 1 into m_entries; 0 is free
};
