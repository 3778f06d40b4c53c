#include "analysis/name_set.h"

#include <algorithm>

void NameSet::insert(QStringView name) {
    const std::uint32_t h = hash(name);
    if (contains(name, h))
        return;
    // At most half the slots in use keeps the probes short.
    if ((m_entries.size() + 1) * 2 > m_slots.size())
        rehash(std::max<std::size_t>(16, m_slots.size() * 2));
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = h & mask;
    while (m_slots[slot])
        slot = (slot + 1) & mask;
    const char16_t *text = reinterpret_cast<const char16_t *>(name.utf16());
    const auto length = std::size_t(name.size());
    if (std::all_of(text, text + length, [](char16_t c) { return c < 0x100; })) {
        m_entries.push_back({std::uint32_t(m_narrow.size()), std::uint32_t(length), h});
        for (std::size_t i = 0; i < length; ++i)
            m_narrow.push_back(char(text[i]));
    } else {
        m_entries.push_back({std::uint32_t(m_wide.size()), std::uint32_t(length) | kWide, h});
        m_wide.append(text, length);
    }
    m_slots[slot] = std::uint32_t(m_entries.size());
}

bool NameSet::equals(const Entry &entry, QStringView name) const {
    const char16_t *text = reinterpret_cast<const char16_t *>(name.utf16());
    if (entry.length & kWide)
        return (entry.length & ~kWide) == std::uint32_t(name.size()) &&
               std::equal(text, text + name.size(), m_wide.data() + entry.offset);
    if (entry.length != std::uint32_t(name.size()))
        return false;
    const char *stored = m_narrow.data() + entry.offset;
    for (qsizetype i = 0; i < name.size(); ++i)
        if (text[i] != char16_t(static_cast<unsigned char>(stored[i])))
            return false;
    return true;
}

bool NameSet::contains(QStringView name, std::uint32_t hash) const {
    if (m_slots.empty())
        return false;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask; m_slots[slot]; slot = (slot + 1) & mask) {
        const std::uint32_t index = m_slots[slot] - 1;
        const Entry &entry = m_entries[index];
        if (entry.hash == hash && equals(entry, name))
            return true;
    }
    return false;
}

void NameSet::reserve(qsizetype count) {
    m_entries.reserve(std::size_t(count));
    std::size_t slots = 16;
    while (slots < std::size_t(count) * 2)
        slots *= 2;
    if (slots > m_slots.size())
        rehash(slots);
}

void NameSet::rehash(std::size_t slotCount) {
    m_slots.assign(slotCount, 0);
    const std::size_t mask = slotCount - 1;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        std::size_t slot = m_entries[i].hash & mask;
        while (m_slots[slot])
            slot = (slot + 1) & mask;
        m_slots[slot] = std::uint32_t(i + 1);
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
    std::uint64_t h = 14695981039346656037ull;
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
        h ^= c;
        h *= 1099511628211ull;
    }
    const auto folded = finish(h);
    return {QStringView(buffer.data(), qsizetype(buffer.size())), folded,
            changed ? hash(name) : folded};
}
