#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <functional>
#include <optional>

// The shape opl.xml and global.xml share: one root element with a "name" attribute holding
// a flat list of child elements of one kind, and nothing after it.
namespace NamedXmlList {

struct Shape {
    QString root;            // e.g. "language"
    QString child;           // e.g. "category"
    QString missingRootText; // the problem when the file holds no element at all
};

// "Line 3: message".
QString located(const QXmlStreamReader &xml, const QString &message);

// Walks `data`, giving the root's name attribute to `name` and each child, at its start
// element, to `readChild`, which consumes it and returns a problem text or "". Returns the
// first problem found ("" when the file was sound).
QString read(const QByteArray &data, const Shape &shape, QString &name,
             const std::function<QString(QXmlStreamReader &)> &readChild);

// The whole file, or nothing with the error's description in `error`. Anything but a
// regular file of at most kMaxFileBytes is not found.
std::optional<QByteArray> readFile(const QString &path, QString *error);

// Both files are a few hundred kilobytes at most.
inline constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

} // namespace NamedXmlList
