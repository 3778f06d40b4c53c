#include "analysis/navigator_keys.h"

namespace NavigatorKeys {

bool isTopLevel(QStringView key) {
    return key.size() == 1;
}

bool isMember(QStringView key) {
    return key.indexOf(u'_') >= 1;
}

bool isSymbol(QStringView key) {
    return key.size() > 1 && !isMember(key);
}

QChar kind(QStringView key) {
    return key.isEmpty() ? QChar() : key.front();
}

QString topLevel(QChar kind) {
    return QString(kind);
}

namespace {

// Writes the decimal digits of `number` (not negative) at `out`; returns the end.
char16_t *writeNumber(char16_t *out, int number) {
    char16_t digits[12];
    int count = 0;
    auto value = unsigned(number);
    do {
        digits[count++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value);
    while (count)
        *out++ = digits[--count];
    return out;
}

} // namespace

// Keys are made for every node of every scan: written into one buffer and copied once.
QString symbol(QChar kind, int number) {
    char16_t key[16];
    key[0] = kind.unicode();
    const char16_t *end = writeNumber(key + 1, number);
    return QString(reinterpret_cast<const QChar *>(key), end - key);
}

QString member(int procedureNumber, int child) {
    char16_t key[32];
    key[0] = kProcedures.unicode();
    char16_t *end = writeNumber(key + 1, procedureNumber);
    *end++ = u'_';
    end = writeNumber(end, child);
    return QString(reinterpret_cast<const QChar *>(key), end - key);
}

} // namespace NavigatorKeys
