#include "analysis/name_set.h"

std::size_t NameSet::Hash::operator()(QStringView name) const noexcept {
    std::uint64_t hash = 14695981039346656037ull;
    for (QChar c : name) {
        hash ^= c.unicode();
        hash *= 1099511628211ull;
    }
    return std::size_t(hash ^ (hash >> 29));
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
