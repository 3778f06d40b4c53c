#pragma once

#include <QString>

class QPrinter;
class QsciScintilla;

// Prints an editor's whole text on a printer chosen elsewhere (the print dialog's), page by
// page, optionally with a page header.
class DocumentPrinter {
public:
    enum Option { Colours = 2, LineNumbers = 4, PageHeader = 8 };

    // False when the printer could not be started.
    static bool print(QsciScintilla &editor, QPrinter &printer, int options,
                      const QString &caption);
};
