#include "document/editing_commands.h"

#include "base/prompts.h"
#include "document/line_block_edits.h"
#include "document/rtf_text.h"

#include <QStringList>

namespace {

// Applies the edits as one undo step, then selects `selection` again as it was given.
void applyOnOneUndoStep(rtfText &editor, const QList<LineEdit> &edits, const TextRange &selection) {
    editor.beginUndoAction();
    for (const LineEdit &edit : edits) {
        editor.SetSel({edit.line, edit.column, edit.line, edit.column + edit.length}, false);
        editor.setSelText(edit.text);
    }
    editor.endUndoAction();
    editor.SetSel(selection, true);
    editor.setFocus();
}

} // namespace

void EditingCommands::CommentLines(rtfText &editor) {
    const TextRange selection = editor.GetSel(true);
    applyOnOneUndoStep(editor, LineBlockEdits::comment(selection), selection);
}

void EditingCommands::UncommentLines(rtfText &editor) {
    const TextRange selection = editor.GetSel(true);
    QStringList lines;
    for (int line = LineBlockEdits::firstLine(selection);
         line <= LineBlockEdits::lastLine(selection); ++line)
        lines << editor.GetLine(line);
    applyOnOneUndoStep(editor, LineBlockEdits::uncomment(selection, lines), selection);
}

bool EditingCommands::Print(rtfText &editor, Prompts &prompts, QPrinter &printer) {
    if (!prompts.print(printer, PrintDialogFlags))
        return false;
    return editor.PrintContents(printer, PrintOptions);
}
