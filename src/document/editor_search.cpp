#include "document/editor_search.h"

#include "document/scintilla_call.h"

#include <QByteArray>

namespace EditorSearch {

namespace {

using Sci = QsciScintillaBase;

// Searches the target from `from` towards `to` (backwards when `to` < `from`); the start of
// the match or -1. The match's end is then the target's end.
long searchRange(QsciScintillaBase &editor, const SearchOptions &options, long from, long to) {
    const QByteArray needle = options.text.toUtf8();
    long flags = 0;
    if (options.matchCase)
        flags |= Sci::SCFIND_MATCHCASE;
    if (options.wholeWord)
        flags |= Sci::SCFIND_WHOLEWORD;
    sciCall(editor, Sci::SCI_SETSEARCHFLAGS, static_cast<unsigned long>(flags));
    sciCall(editor, Sci::SCI_SETTARGETRANGE, static_cast<unsigned long>(from), to);
    return editor.SendScintilla(Sci::SCI_SEARCHINTARGET, static_cast<uintptr_t>(needle.size()),
                                needle.constData());
}

void selectTarget(QsciScintillaBase &editor, long start, bool caretAtStart) {
    const long end = sciCall(editor, Sci::SCI_GETTARGETEND);
    const long line = sciCall(editor, Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(start));
    sciCall(editor, Sci::SCI_ENSUREVISIBLEENFORCEPOLICY, static_cast<unsigned long>(line));
    if (caretAtStart)
        sciCall(editor, Sci::SCI_SETSEL, static_cast<unsigned long>(end), start);
    else
        sciCall(editor, Sci::SCI_SETSEL, static_cast<unsigned long>(start), end);
}

} // namespace

bool findNext(QsciScintillaBase &editor, const SearchOptions &options) {
    if (options.text.isEmpty())
        return false;
    const long length = sciCall(editor, Sci::SCI_GETLENGTH);
    long found;
    if (options.backwards) {
        found = searchRange(editor, options, sciCall(editor, Sci::SCI_GETSELECTIONSTART), 0);
        if (found < 0 && options.wrap)
            found = searchRange(editor, options, length, 0);
    } else {
        found = searchRange(editor, options, sciCall(editor, Sci::SCI_GETSELECTIONEND), length);
        if (found < 0 && options.wrap)
            found = searchRange(editor, options, 0, length);
    }
    if (found < 0)
        return false;
    selectTarget(editor, found, options.backwards);
    return true;
}

bool replaceNext(QsciScintillaBase &editor, const SearchOptions &options) {
    if (options.text.isEmpty())
        return false;
    const long start = sciCall(editor, Sci::SCI_GETSELECTIONSTART);
    const long end = sciCall(editor, Sci::SCI_GETSELECTIONEND);
    if (start != end && searchRange(editor, options, start, end) == start &&
        sciCall(editor, Sci::SCI_GETTARGETEND) == end) {
        const QByteArray replacement = options.replacement.toUtf8();
        editor.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<uintptr_t>(replacement.size()),
                             replacement.constData());
        const long after = options.backwards ? start : sciCall(editor, Sci::SCI_GETTARGETEND);
        sciCall(editor, Sci::SCI_SETSEL, static_cast<unsigned long>(after), after);
    }
    return findNext(editor, options);
}

int replaceAll(QsciScintillaBase &editor, const SearchOptions &options) {
    if (options.text.isEmpty())
        return 0;
    const QByteArray replacement = options.replacement.toUtf8();
    int count = 0;
    long from = 0;
    sciCall(editor, Sci::SCI_BEGINUNDOACTION);
    for (;;) {
        const long found = searchRange(editor, options, from, sciCall(editor, Sci::SCI_GETLENGTH));
        if (found < 0)
            break;
        editor.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<uintptr_t>(replacement.size()),
                             replacement.constData());
        from = sciCall(editor, Sci::SCI_GETTARGETEND);
        ++count;
    }
    sciCall(editor, Sci::SCI_ENDUNDOACTION);
    return count;
}

QString notFoundMessage(const QString &text) {
    return QStringLiteral("\"%1\" was not found.").arg(text);
}

QString replacedMessage(int count) {
    return count == 1 ? QStringLiteral("1 place was replaced.")
                      : QStringLiteral("%1 places were replaced.").arg(count);
}

} // namespace EditorSearch
