#pragma once

#include "dialogs/rtf_document.h"

#include <QByteArrayView>

// Reads RTF into plain data for the command reference viewer. It understands groups,
// control words and symbols, \par, \line, \tab, \b, \i, \ul, \fs, \f with the font table,
// \cf with the colour table, \'hh in Windows-1252, \uN with its fallback (\ucN) and
// ignorable destinations (\*); every other control word is passed over.
//
// It never fails: unbalanced braces, unknown words, a truncated file or binary junk give
// whatever text could be read. Nesting deeper than a fixed limit and oversized tables are
// cut off, so a hostile file cannot exhaust memory through them.
class RtfReader {
public:
    static RtfDocument read(QByteArrayView rtf);
};
