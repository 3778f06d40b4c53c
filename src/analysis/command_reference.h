#pragma once

#include <QByteArray>
#include <QString>

class VocabularyTable;

// The command reference (OPLCommands.RTF), written from the vocabulary table: one section
// per entry with its syntax, its one-line description and, where the table has them, a
// longer explanation and an example. Plain RTF 1 that a simple reader can show: a font and
// a colour table, bold, italic, font sizes and paragraphs; characters beyond ASCII as \'hh
// (Windows-1252) or \uN?.
namespace CommandReference {

QByteArray toRtf(const VocabularyTable &table);

// `text` as RTF text: \, { and } escaped, tabs as \tab, non-ASCII as \'hh or \uN?.
QByteArray escape(const QString &text);

} // namespace CommandReference
