#pragma once

class Prompts;
class QPrinter;
class rtfText;

// The main window's editing commands that are more than one editor command: comment and
// uncomment of the selected lines, and printing.
namespace EditingCommands {

// The print dialog's flags: a printer to print on, no page range, no selection-only choice.
inline constexpr int PrintDialogFlags = 268;
// What PrintContents prints: the document's colours, line numbers and a page header.
inline constexpr int PrintOptions = 62;

// Puts "REM " at column 0 of every line the selection touches; the selection keeps its
// line and column numbers. One undo takes the whole change back.
void CommentLines(rtfText &editor);

// Takes a leading "REM " off every line the selection touches, on one undo step.
void UncommentLines(rtfText &editor);

// Shows the print dialog for `printer`; unless it is cancelled, prints the editor's text
// there. A failure to print is not reported. True when something was printed.
bool Print(rtfText &editor, Prompts &prompts, QPrinter &printer);

} // namespace EditingCommands
