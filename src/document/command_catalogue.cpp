#include "document/command_catalogue.h"

#include <algorithm>
#include <array>

namespace {

using Arg = CommandCatalogue::Argument;
using Command = CommandCatalogue::Command;

// clang-format off
constexpr std::array<Command, 124> kCommands = {{
    {99, "Select All", "Selects the whole text."},
    {100, "Char Left", "Moves the caret one character to the left."},
    {101, "Char Left Extend", "Extends the selection one character to the left."},
    {102, "Char Right", "Moves the caret one character to the right."},
    {103, "Char Right Extend", "Extends the selection one character to the right."},
    {104, "Line Up", "Moves the caret one line up."},
    {105, "Line Up Extend", "Extends the selection one line up."},
    {106, "Line Down", "Moves the caret one line down."},
    {107, "Line Down Extend", "Extends the selection one line down."},
    {108, "Word Left", "Moves the caret to the start of the previous word."},
    {109, "Word Left Extend", "Extends the selection to the start of the previous word."},
    {110, "Word Right", "Moves the caret to the start of the next word."},
    {111, "Word Right Extend", "Extends the selection to the start of the next word."},
    {112, "Word Part Left", "Moves the caret to the previous part of a word (case change or underscore)."},
    {113, "Word Part Left Extend", "Extends the selection to the previous part of a word."},
    {114, "Word Part Right", "Moves the caret to the next part of a word (case change or underscore)."},
    {115, "Word Part Right Extend", "Extends the selection to the next part of a word."},
    {116, "Line Start", "Moves the caret to the start of the line."},
    {117, "Line Start Extend", "Extends the selection to the start of the line."},
    {118, "Smart Home", "Moves the caret to the first non-blank character of the line, or to its start."},
    {119, "Smart Home Extend", "Extends the selection to the first non-blank character of the line, or to its start."},
    {120, "Line End", "Moves the caret to the end of the line."},
    {121, "Line End Extend", "Extends the selection to the end of the line."},
    {122, "Document Start", "Moves the caret to the start of the text."},
    {123, "Document Start Extend", "Extends the selection to the start of the text."},
    {124, "Document End", "Moves the caret to the end of the text."},
    {125, "Document End Extend", "Extends the selection to the end of the text."},
    {126, "Delete Back", "Deletes the selection, or the character before the caret."},
    {127, "Unindent", "Removes one level of indentation from the selected lines."},
    {128, "Delete Back In Line", "Deletes the character before the caret, but never a line end."},
    {129, "Undo", "Takes back the last change."},
    {130, "Page Up", "Moves the caret one page up."},
    {131, "Page Up Extend", "Extends the selection one page up."},
    {132, "Page Down", "Moves the caret one page down."},
    {133, "Page Down Extend", "Extends the selection one page down."},
    {134, "Paragraph Up", "Moves the caret to the previous paragraph (a block after an empty line)."},
    {135, "Paragraph Up Extend", "Extends the selection to the previous paragraph."},
    {136, "Paragraph Down", "Moves the caret to the next paragraph."},
    {137, "Paragraph Down Extend", "Extends the selection to the next paragraph."},
    {138, "Delete", "Deletes the selection, or the character after the caret."},
    {139, "Redo", "Makes the last change that was taken back again."},
    {140, "Paste", "Inserts the clipboard's text at the caret, replacing the selection."},
    {141, "Delete Word Left", "Deletes from the caret back to the start of the word."},
    {142, "Delete Word Right", "Deletes from the caret to the start of the next word."},
    {143, "Delete To Word End", "Deletes from the caret to the end of the word."},
    {144, "Delete To Line Start", "Deletes from the caret back to the start of the line."},
    {145, "Delete To Line End", "Deletes from the caret to the end of the line."},
    {146, "Delete Line", "Deletes the caret's line."},
    {147, "Cut Line", "Moves the caret's line to the clipboard."},
    {148, "Copy Line", "Copies the caret's line to the clipboard."},
    {149, "Duplicate Line", "Inserts a copy of the caret's line below it."},
    {150, "Duplicate Selection", "Inserts a copy of the selection after it, or duplicates the line."},
    {151, "Transpose Lines", "Swaps the caret's line with the line above it."},
    {152, "Reverse Lines", "Reverses the order of the selected lines."},
    {153, "Move Lines Up", "Moves the selected lines up by one line."},
    {154, "Move Lines Down", "Moves the selected lines down by one line."},
    {155, "Join Lines", "Joins the selected lines into one line."},
    {156, "Lower Case", "Turns the selected text into lower case."},
    {157, "Upper Case", "Turns the selected text into upper case."},
    {158, "New Line", "Breaks the line at the caret."},
    {159, "Tab", "Inserts a tab, or indents the selected lines."},
    {160, "Toggle Overtype", "Switches between inserting and overwriting typed characters."},
    {161, "Cancel", "Closes the completion list and the call tip and drops a multiple selection."},
    {162, "Select Line", "Selects the caret's line."},
    {163, "Indent", "Adds one level of indentation to the selected lines."},
    {164, "Select Word", "Selects the word at the caret."},
    {165, "Select To Matching Bracket", "Selects up to the bracket that matches the one at the caret."},
    {166, "Go To Matching Bracket", "Moves the caret to the bracket that matches the one at the caret."},
    {167, "Scroll Line Up", "Scrolls the text up by one line without moving the caret."},
    {168, "Go To Line", "Moves the caret to the line with the given 0-based index; without one (or with -1) asks for the line number.", Arg::LineIndex},
    {169, "Find And Replace", "Opens the find and replace dialog."},
    {170, "Scroll Line Down", "Scrolls the text down by one line without moving the caret."},
    {171, "Scroll To Caret", "Scrolls the caret into view."},
    {172, "Centre Caret Line", "Scrolls so that the caret's line is in the middle of the window."},
    {173, "Scroll To Start", "Scrolls to the start of the text without moving the caret."},
    {174, "Scroll To End", "Scrolls to the end of the text without moving the caret."},
    {175, "Find Next", "Finds the next place of the last searched text."},
    {176, "Find Previous", "Finds the previous place of the last searched text."},
    {177, "Find Selected Text", "Finds the next place of the selected text."},
    {178, "Find", "Opens the find dialog."},
    {179, "Toggle Line Mark", "Sets or removes the mark of the caret's line."},
    {180, "Next Line Mark", "Moves the caret to the next marked line."},
    {181, "Previous Line Mark", "Moves the caret to the previous marked line."},
    {182, "Clear Line Marks", "Removes every line mark."},
    {183, "Zoom In", "Makes the text larger."},
    {184, "Zoom Out", "Makes the text smaller."},
    {185, "Reset Zoom", "Shows the text at its normal size."},
    {186, "Set Zoom", "Sets the zoom level, from -10 (smallest) to 20 (largest); 0 is normal.", Arg::Integer, -10, 20},
    {187, "Show Blanks", "Shows or hides blanks and tabs."},
    {188, "Show Line Ends", "Shows or hides the line-end characters."},
    {189, "Word Wrap", "Switches wrapping of long lines on or off."},
    {190, "Line Numbers", "Shows or hides the line numbers."},
    {191, "Indentation Guides", "Shows or hides the indentation guides."},
    {192, "Set Tab Width", "Sets the width of a tab in characters, from 1 to 32.", Arg::Integer, 1, 32},
    {193, "Indent With Blanks", "Switches between indenting with blanks and with tabs."},
    {194, "Tabs To Blanks", "Replaces the tabs of the selected lines (or of the whole text) with blanks."},
    {195, "Remove Trailing Blanks", "Removes blanks and tabs at the ends of the selected lines (or of all lines)."},
    {196, "Insert Text", "Inserts the parameter text at the caret, in place of the selection.", Arg::Text},
    {197, "Cut", "Moves the selection to the clipboard."},
    {198, "Copy", "Copies the selection to the clipboard."},
    {199, "Show Completion List", "Shows the completion list for the word at the caret."},
    {200, "Clear Undo History", "Forgets every change that could be taken back."},
    {201, "Read Only", "Switches protection of the text against changes on or off."},
    {202, "Char Left Rectangle", "Extends a rectangular selection one character to the left."},
    {203, "Char Right Rectangle", "Extends a rectangular selection one character to the right."},
    {204, "Line Up Rectangle", "Extends a rectangular selection one line up."},
    {205, "Line Down Rectangle", "Extends a rectangular selection one line down."},
    {206, "Line Start Rectangle", "Extends a rectangular selection to the start of the line."},
    {207, "Smart Home Rectangle", "Extends a rectangular selection to the first non-blank character of the line."},
    {208, "Line End Rectangle", "Extends a rectangular selection to the end of the line."},
    {209, "Page Up Rectangle", "Extends a rectangular selection one page up."},
    {210, "Page Down Rectangle", "Extends a rectangular selection one page down."},
    {211, "Stuttered Page Up", "Moves the caret to the top of the window, then one page up."},
    {212, "Stuttered Page Up Extend", "Extends the selection to the top of the window, then one page up."},
    {213, "Stuttered Page Down", "Moves the caret to the bottom of the window, then one page down."},
    {214, "Stuttered Page Down Extend", "Extends the selection to the bottom of the window, then one page down."},
    {215, "Word End Left", "Moves the caret to the end of the previous word."},
    {216, "Word End Left Extend", "Extends the selection to the end of the previous word."},
    {217, "Word End Right", "Moves the caret to the end of the next word."},
    {218, "Word End Right Extend", "Extends the selection to the end of the next word."},
    {219, "Display Line Start", "Moves the caret to the start of the shown line (of a wrapped line's part)."},
    {220, "Display Line End", "Moves the caret to the end of the shown line (of a wrapped line's part)."},
    {221, "Copy Or Copy Line", "Copies the selection, or the caret's line when nothing is selected."},
    {222, "Clear Line Colours", "Gives every line its normal background again."},
}};
// clang-format on

constexpr bool numbersFillTheRange() {
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (kCommands[i].number != CommandCatalogue::FirstNumber + int(i))
            return false;
    return kCommands.back().number == CommandCatalogue::LastNumber;
}
static_assert(numbersFillTheRange(), "one command per number, in order");

QString nameOf(const Command &command) {
    return QString::fromUtf8(command.name);
}

CommandCatalogue::Call failure(const QString &error) {
    CommandCatalogue::Call call;
    call.error = error;
    return call;
}

} // namespace

std::span<const Command> CommandCatalogue::all() {
    return kCommands;
}

const Command *CommandCatalogue::find(int number) {
    if (number < FirstNumber || number > LastNumber)
        return nullptr;
    return &kCommands[std::size_t(number - FirstNumber)];
}

QString CommandCatalogue::CommandString(int number, bool description) {
    const Command *command = find(number);
    if (!command)
        return {};
    return QString::fromUtf8(description ? command->description : command->name);
}

CommandCatalogue::Call CommandCatalogue::check(int number, const QString &argument) {
    const Command *command = find(number);
    if (!command)
        return failure(QStringLiteral("The editor has no command %1.").arg(number));

    Call call;
    call.hasArgument = !argument.isEmpty();
    const QString name = nameOf(*command);
    switch (command->argument) {
    case Argument::None:
        if (call.hasArgument)
            return failure(QStringLiteral("The command \"%1\" takes no parameter.").arg(name));
        break;
    case Argument::LineIndex: {
        call.integer = -1;
        if (!call.hasArgument)
            break;
        bool ok = false;
        call.integer = argument.trimmed().toInt(&ok);
        if (!ok || call.integer < -1)
            return failure(QStringLiteral("The parameter of \"%1\" must be a line index "
                                          "(0 for the first line) or -1.")
                               .arg(name));
        break;
    }
    case Argument::Integer: {
        bool ok = false;
        call.integer = argument.trimmed().toInt(&ok);
        if (!ok || call.integer < command->minimum || call.integer > command->maximum)
            return failure(
                QStringLiteral("The parameter of \"%1\" must be a whole number from %2 to %3.")
                    .arg(name)
                    .arg(command->minimum)
                    .arg(command->maximum));
        break;
    }
    case Argument::Text:
        if (!call.hasArgument)
            return failure(QStringLiteral("The command \"%1\" needs a parameter.").arg(name));
        call.text = argument;
        break;
    }
    call.command = command;
    return call;
}

CommandCatalogue::Call CommandCatalogue::check(const QString &number, const QString &argument) {
    const QString trimmed = number.trimmed();
    if (trimmed.isEmpty())
        return failure(QStringLiteral("No command was chosen."));
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    if (!ok)
        return failure(QStringLiteral("\"%1\" is not a command number.").arg(trimmed));
    return check(value, argument);
}
