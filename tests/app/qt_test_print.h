#pragma once

#include <QString>
#include <ostream>

// Readable failure output: GoogleTest would print a QString as its UTF-16 code units.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}
