#pragma once

#include <QString>

// What a document window's caption tells about its file.
namespace DocumentIdentity {

// A document is untitled while its caption begins with the eight characters "Document"
// (case-sensitive), the form new documents get; otherwise its caption is its file's path.
bool isUntitled(const QString &caption);

// The folder the file dialogs start in: that of the active document (`activeCaption`, empty
// without one) when it has a file, else that of `lastFile`; empty when neither names a file.
QString dialogFolder(const QString &activeCaption, const QString &lastFile);

// True when `caption` is a titled document's and names the file at `path`: the same path
// once both are made absolute and cleaned, or, for files that exist, the same file behind
// any links.
bool namesFile(const QString &caption, const QString &path);

// The message for a recent file that has vanished: "File not found!", CR LF twice, the path.
QString fileNotFoundText(const QString &path);

} // namespace DocumentIdentity
