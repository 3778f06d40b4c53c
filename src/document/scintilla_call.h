#pragma once

#include <Qsci/qsciscintillabase.h>

// SendScintilla with plain numbers. Its overloads make a call with two integer literals
// ambiguous (0 converts to a pointer as well); this one takes exactly one form.
inline long sciCall(const QsciScintillaBase &editor, unsigned int message, unsigned long wParam = 0,
                    long lParam = 0) {
    return editor.SendScintilla(message, wParam, lParam);
}
