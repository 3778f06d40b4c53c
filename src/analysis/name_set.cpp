#include "analysis/name_set.h"

#include "base/memory_policy.h"

#include <algorithm>
#include <bit>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// A record's length: seven bits a byte, low bits first, the top bit saying more follow.
const char *readLength(const char *at, std::uint32_t &value) {
    value = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*at++);
        value |= std::uint32_t(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return at;
    }
}

} // namespace

void NameSet::insert(QStringView prefix, QStringView name) {
    insert(prefix, name, finish(fnv(name, fnv(prefix))));
}

void NameSet::insert(QStringView prefix, QStringView name, std::uint32_t h) {
    if (contains(prefix, name, h))
        return;
    if (m_count + 1 > limit())
        grow(std::max<std::size_t>(16, limit() * 2));
    place(h, store(prefix, name));
    ++m_count;
}

void NameSet::prefetch(std::uint32_t hash) const {
    if (!m_groups.empty())
        MemoryPolicy::prefetch(&m_groups[hash & (m_groups.size() - 1)]);
    else if (!m_slots.empty())
        MemoryPolicy::prefetch(&m_slots[hash & (m_slots.size() - 1)]);
}

// Three quarters of the slots in use at most: a group's twelve slots keep the probes short
// even then, and past kLargeGroups, where every probe misses the cache anyway, the table is
// most of what a scan of millions of names holds.
std::size_t NameSet::limit() const {
    return m_slots.empty() ? m_groups.size() * kLanes / 4 * 3 : m_slots.size() / 4 * 3;
}

namespace {

// The lanes of a group's sixteen tags that are free, and those that equal `tag`, as bits; only
// the first `lanes` count.
struct LaneBits {
    unsigned free;
    unsigned matching;
};

LaneBits laneBits(const std::uint8_t (&tags)[16], std::uint8_t tag, int lanes) {
    const unsigned all = (1u << lanes) - 1;
#if defined(__SSE2__)
    const __m128i chunk = _mm_load_si128(reinterpret_cast<const __m128i *>(tags));
    return {unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_setzero_si128()))) & all,
            unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(char(tag))))) & all};
#else
    LaneBits bits{0, 0};
    for (int lane = 0; lane < lanes; ++lane) {
        bits.free |= unsigned(tags[lane] == 0) << lane;
        bits.matching |= unsigned(tags[lane] == tag) << lane;
    }
    return bits;
#endif
}

} // namespace

void NameSet::place(std::uint32_t hash, std::uint32_t place) {
    if (!m_groups.empty()) {
        const std::size_t mask = m_groups.size() - 1;
        for (std::size_t index = hash & mask;; index = (index + 1) & mask) {
            Group &group = m_groups[index];
            if (const unsigned free = laneBits(group.tags, 0, kLanes).free) {
                const int lane = std::countr_zero(free);
                group.tags[lane] = tag(hash);
                group.places[lane] = place;
                return;
            }
        }
    }
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hash & mask;
    while (m_slots[slot])
        slot = (slot + 1) & mask;
    m_slots[slot] = place + 1;
}

namespace {

bool narrow(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

void append(std::string &piece, QStringView text, bool wide) {
    if (text.isEmpty())
        return;
    if (wide)
        piece.append(reinterpret_cast<const char *>(text.utf16()), std::size_t(text.size()) * 2);
    else
        for (const QChar c : text)
            piece.push_back(char(c.unicode()));
}

// Whether `stored` (one byte or two a character) begins with `text`.
bool storedStartsWith(const char *stored, bool wide, QStringView text) {
    if (text.isEmpty()) // an empty view may hold no pointer at all
        return true;
    if (wide)
        return std::memcmp(stored, text.utf16(), std::size_t(text.size()) * 2) == 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].unicode() != char16_t(static_cast<unsigned char>(stored[i])))
            return false;
    return true;
}

} // namespace

std::uint32_t NameSet::store(QStringView prefix, QStringView name) {
    const auto length = std::size_t(prefix.size() + name.size());
    const bool wide = !narrow(prefix) || !narrow(name);
    const std::size_t size = 5 + length * (wide ? 2 : 1);
    // A piece is never filled past kPiece, so every offset fits its bits; a source of at most
    // a few hundred megabytes never needs the 1,024 pieces the rest can number.
    if (m_pieces.empty() || m_pieces.back().size() + size > m_pieces.back().capacity() ||
        m_pieces.back().size() + size > kPiece) {
        // Small sets (most) stay small: pieces grow from 4 KB up to kPiece.
        const std::size_t room =
            m_pieces.size() < 10 ? std::size_t(4096) << m_pieces.size() : kPiece;
        m_pieces.emplace_back();
        m_pieces.back().reserve(std::max(size, room));
    }
    std::string &piece = m_pieces.back();
    const auto place = std::uint32_t(((m_pieces.size() - 1) << kOffsetBits) | piece.size());
    for (std::uint64_t value = (std::uint64_t(length) << 1) | (wide ? 1 : 0);;) {
        const auto low = char(value & 0x7F);
        value >>= 7;
        piece.push_back(value ? char(low | 0x80) : low);
        if (!value)
            break;
    }
    append(piece, prefix, wide);
    append(piece, name, wide);
    return place;
}

bool NameSet::equals(std::uint32_t place, QStringView prefix, QStringView name) const {
    const char *at = m_pieces[place >> kOffsetBits].data() + (place & (kPiece - 1));
    std::uint32_t header = 0;
    at = readLength(at, header);
    if ((header >> 1) != std::uint32_t(prefix.size() + name.size()))
        return false;
    const bool wide = header & 1;
    return storedStartsWith(at, wide, prefix) &&
           storedStartsWith(at + prefix.size() * (wide ? 2 : 1), wide, name);
}

bool NameSet::contains(QStringView prefix, QStringView name, std::uint32_t hash) const {
    if (!m_groups.empty()) {
        const std::size_t mask = m_groups.size() - 1;
        const std::uint8_t wanted = tag(hash);
        for (std::size_t index = hash & mask;; index = (index + 1) & mask) {
            const Group &group = m_groups[index];
            const LaneBits bits = laneBits(group.tags, wanted, kLanes);
            // Slots fill in order: none past the first free one is in use.
            unsigned matching =
                bits.free ? bits.matching & ((bits.free & -bits.free) - 1) : bits.matching;
            for (; matching; matching &= matching - 1)
                if (equals(group.places[std::countr_zero(matching)], prefix, name))
                    return true;
            if (bits.free)
                return false;
        }
    }
    if (m_slots.empty())
        return false;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask; m_slots[slot]; slot = (slot + 1) & mask)
        if (equals(m_slots[slot] - 1, prefix, name))
            return true;
    return false;
}

void NameSet::reserve(qsizetype count) {
    if (std::size_t(count) > limit())
        grow(std::size_t(count));
}

// A table for at least `names` names. Every record is placed anew, read in the order it was
// stored: the pieces are read straight through instead of at the old table's scattered
// places. The records alone say where each name goes, so the old table is given back before
// the new one is made, and a growth never holds two.
void NameSet::grow(std::size_t names) {
    std::size_t groups = 2;
    while (groups * kLanes / 4 * 3 < names)
        groups *= 2;
    m_groups = {};
    m_slots = {};
    if (groups <= kLargeGroups) {
        m_groups.assign(groups, Group{});
    } else {
        std::size_t slots = kLargeSlots;
        while (slots / 4 * 3 < names)
            slots *= 2;
        m_slots.assign(slots, 0);
    }
    for (std::size_t index = 0; index < m_pieces.size(); ++index) {
        const std::string &piece = m_pieces[index];
        for (std::size_t offset = 0; offset < piece.size();) {
            std::uint32_t header = 0;
            const char *text = readLength(piece.data() + offset, header);
            const std::uint32_t length = header >> 1;
            std::uint64_t h = kFnvBasis;
            for (std::uint32_t i = 0; i < length; ++i) {
                char16_t c = 0;
                if (header & 1)
                    std::memcpy(&c, text + 2 * i, 2);
                else
                    c = static_cast<unsigned char>(text[i]);
                h = fnvStep(h, c);
            }
            place(finish(h), std::uint32_t((index << kOffsetBits) | offset));
            offset = std::size_t(text - piece.data()) + length * ((header & 1) ? 2 : 1);
        }
    }
}

QStringView NameSet::fold(QStringView name, std::u16string &buffer) {
    buffer.resize(std::size_t(name.size()));
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c >= 128) {
            const QString upper = name.toString().toUpper();
            buffer.assign(reinterpret_cast<const char16_t *>(upper.utf16()),
                          std::size_t(upper.size()));
            break;
        }
        buffer[std::size_t(i)] = (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
    }
    return QStringView(buffer.data(), qsizetype(buffer.size()));
}

NameSet::Folded NameSet::foldAndHash(QStringView name, std::u16string &buffer) {
    buffer.resize(std::size_t(name.size()));
    std::uint64_t h = kFnvBasis;
    bool changed = false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char16_t c = name[i].unicode();
        if (c >= 128) {
            const QStringView folded = fold(name, buffer);
            return {folded, hash(folded), hash(name)};
        }
        if (c >= u'a' && c <= u'z') {
            c = char16_t(c - 32);
            changed = true;
        }
        buffer[std::size_t(i)] = c;
        h = fnvStep(h, c);
    }
    const auto folded = finish(h);
    return {QStringView(buffer.data(), qsizetype(buffer.size())), folded,
            changed ? hash(name) : folded};
}
