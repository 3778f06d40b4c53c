#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <string>
#include <vector>

// A set of names looked up by view, so that checking a word cut from a line needs no copy
// of it. Open addressing over groups of slots, one cache line each, that hold a one-byte tag
// (eight bits of the hash) and the name's place for each slot: a lookup reads a name only
// when its tag matches, so a word the set does not hold (most words, for most sets) costs one
// cache line, and adding a name writes the line its lookup has just read. A caller that asks
// several sets about one word hashes it once. The hash is a plain FNV-1a: names are short
// and come from the user's own file, and Qt's seeded string hash cost more than everything
// else the searches do.
class NameSet {
public:
    void insert(QStringView name) { insert({}, name); }
    bool contains(QStringView name) const { return contains(name, hash(name)); }
    bool contains(QStringView name, std::uint32_t hash) const { return contains({}, name, hash); }

    // The name `prefix` followed by `name`, without joining them first.
    void insert(QStringView prefix, QStringView name);
    // For a caller that has hashed the name already: `hash` is hash(name).
    void insert(QStringView name, std::uint32_t hash) { insert({}, name, hash); }
    // Asks for the memory a name of this hash is looked for in, a while before it is: a
    // caller that adds many names then waits for several at once instead of each in turn.
    void prefetch(std::uint32_t hash) const;
    bool contains(QStringView prefix, QStringView name) const {
        return contains(prefix, name, finish(fnv(name, fnv(prefix))));
    }
    void reserve(qsizetype count);
    qsizetype size() const { return qsizetype(m_count); }

    static std::uint32_t hash(QStringView name) { return finish(fnv(name)); }

    static constexpr std::uint64_t kFnvBasis = 14695981039346656037ull;
    static std::uint64_t fnvStep(std::uint64_t h, char16_t c) { return (h ^ c) * 1099511628211ull; }
    static std::uint64_t fnv(QStringView name, std::uint64_t h = kFnvBasis) {
        for (QChar c : name)
            h = fnvStep(h, c.unicode());
        return h;
    }

    // FNV-1a moves a change of the last characters only upwards; the table takes the low
    // bits. One multiply spreads every bit into the high half, which becomes the hash.
    static std::uint32_t finish(std::uint64_t h) {
        return std::uint32_t((h * 0x9E3779B97F4A7C15ull) >> 32);
    }

    // Whether `a` and `b` hold the same `n` characters. Names are short: a plain loop beats
    // the call to memcmp that std::equal becomes.
    static bool sameChars(const char16_t *a, const char16_t *b, qsizetype n) {
        for (qsizetype i = 0; i < n; ++i)
            if (a[i] != b[i])
                return false;
        return true;
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
    void insert(QStringView prefix, QStringView name, std::uint32_t hash);
    std::size_t limit() const; // how many names the table takes before it grows
    void grow(std::size_t names);
    void place(std::uint32_t hash, std::uint32_t place);
    bool contains(QStringView prefix, QStringView name, std::uint32_t hash) const;
    bool equals(std::uint32_t place, QStringView prefix, QStringView name) const;
    std::uint32_t store(QStringView prefix, QStringView name);

    // A slot's tag: the hash's top byte, which the group's index (its low bits) does not
    // use; never 0, which marks a free slot.
    static std::uint8_t tag(std::uint32_t hash) {
        const auto top = std::uint8_t(hash >> 24);
        return top ? top : 1;
    }

    // Each name is one record in a store of fixed-size pieces, which never moves what it
    // holds and never holds twice what it needs while growing: a length (times two, plus one
    // when wide), then the name, one byte per character when it fits in Latin-1 (nearly all
    // do) and two otherwise. A slot holds a record's place: its piece in the high bits, its
    // offset in the low ones. A name too long for a piece gets a piece of its own.
    static constexpr int kOffsetBits = 22;
    static constexpr std::size_t kPiece = std::size_t(1) << kOffsetBits;
    std::vector<std::string> m_pieces;

    // A name goes into the first free slot of the group its hash picks, or of the groups after
    // it; slots fill in order and are never emptied, so a lookup stops at the first free one.
    static constexpr int kLanes = 12;
    struct alignas(64) Group {
        std::uint8_t tags[16]; // per slot, its tag, 0 when free; the last four stay 0
        std::uint32_t places[kLanes];
    };
    std::vector<Group> m_groups;
    // Past kLargeGroups groups (a megabyte: 147,456 names) the table is a plain array of
    // kLargeSlots or more places + 1 (0 is free), without tags: there the bytes a tag costs
    // weigh more than the probes it saves, and a miss reads names. Growing straight to
    // kLargeSlots leaves fewer freed tables behind in the heap of a scan of millions of names.
    static constexpr std::size_t kLargeGroups = std::size_t(1) << 14;
    static constexpr std::size_t kLargeSlots = std::size_t(1) << 20;
    std::vector<std::uint32_t> m_slots;
    std::size_t m_count = 0;
};
