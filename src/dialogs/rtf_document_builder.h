#pragma once

#include "dialogs/rtf_document.h"

class QTextDocument;

// Replaces the content of `target` with the paragraphs and character formats of `rtf`.
// Needs no widget, so a worker thread may fill a document that has no parent yet.
void buildTextDocument(const RtfDocument &rtf, QTextDocument &target);
