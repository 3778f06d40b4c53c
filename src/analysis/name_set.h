#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <string>
#include <vector>

// A set of names looked up by view, so that checking a word cut from a line needs no copy
// of it. Open addressing over one array of the names' places: a lookup touches one or two
// cache lines, and a caller that asks several sets about one word hashes it once. The
// hash is a plain FNV-1a: names are short and come from the user's own file, and Qt's seeded
// string hash cost more than everything else the searches do.
class NameSet {
public:
    void insert(QStringView name) { insert({}, name); }
    bool contains(QStringView name) const { return contains(name, hash(name)); }
    bool contains(QStringView name, std::uint32_t hash) const { return contains({}, name, hash); }

    // The name `prefix` followed by `name`, without joining them first.
    void insert(QStringView prefix, QStringView name);
    bool contains(QStringView prefix, QStringView name) const {
        return contains(prefix, name, finish(fnv(name, fnv(prefix))));
    }
    void reserve(qsizetype count);
    qsizetype size() const { return qsizetype(m_count); }

    static std::uint32_t hash(QStringView name) { return finish(fnv(name)); }

    static std::uint64_t fnv(QStringView name, std::uint64_t h = 14695981039346656037ull) {
        for (QChar c : name) {
            h ^= c.unicode();
            h *= 1099511628211ull;
        }
        return h;
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
    bool contains(QStringView prefix, QStringView name, std::uint32_t hash) const;
    bool equals(std::uint32_t place, QStringView prefix, QStringView name) const;
    std::uint32_t hashAt(std::uint32_t place) const;
    std::uint32_t store(QStringView prefix, QStringView name);

    // Each name is one record in a store of fixed-size pieces, which never moves what it
    // holds and never holds twice what it needs while growing: a length (times two, plus one
    // when wide), then the name, one byte per character when it fits in Latin-1 (nearly all
    // do) and two otherwise. A slot holds a record's place: its piece in the high bits, its
    // offset in the low ones. A name too long for a piece gets a piece of its own.
    static constexpr int kOffsetBits = 22;
    static constexpr std::size_t kPiece = std::size_t(1) << kOffsetBits;
    static constexpr std::size_t kLargeTable = std::size_t(1) << 20;
    std::vector<std::string> m_pieces;
    std::vector<std::uint32_t> m_slots; // place + 1; 0 is free
    std::size_t m_count = 0;
};
