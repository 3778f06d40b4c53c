#pragma once

#include <QString>
#include <optional>

// The checks before a translation run starts. Each gives the message that stops the run
// (titled "Tamro"), or nothing when the run may go on.

// An empty document: "Please save yor work first!", shown with the exclamation icon.
std::optional<QString> emptyDocumentMessage(const QString &documentText);

// A translator path that names no file (missing, empty, a folder): "OPLTRAN.EXE not found at
// the specified path!", shown with the critical icon.
std::optional<QString> missingTranslatorMessage(const QString &translatorPath);

// Whether the translator may read the document's file: after the save a modified document
// gets first, the text is saved and the caption names its file. A save that was cancelled or
// failed leaves it modified or untitled.
bool fileHoldsDocument(bool modified, const QString &caption);
