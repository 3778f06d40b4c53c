#pragma once

#include <QString>
#include <span>

// The editor's commands by number, 99 to 222: what the execute-command dialog lists and what
// rtfText::ExecuteCmd runs. Every number in the range names a command. This table only names
// them and checks their parameters; rtfText dispatches them to the editor.
class CommandCatalogue {
public:
    static constexpr int FirstNumber = 99;
    static constexpr int LastNumber = 222;

    // The numbers the program itself runs: from the menus, the tool bar and the editor.
    enum Number {
        Unindent = 127,
        Undo = 129,
        Redo = 139,
        Paste = 140,
        JoinLines = 155,
        SelectLine = 162,
        Indent = 163,
        SelectWord = 164,
        SelectToMatchingBracket = 165,
        GoToMatchingBracket = 166,
        GoToLine = 168,
        FindAndReplace = 169,
        FindNext = 175,
        FindPrevious = 176,
        FindSelectedText = 177,
        Find = 178,
        ToggleLineMark = 179,
        NextLineMark = 180,
        PreviousLineMark = 181,
        ClearLineMarks = 182,
        ResetZoom = 185,
        SetZoom = 186,
        ShowBlanks = 187,
        ShowLineEnds = 188,
        WordWrap = 189,
        LineNumbers = 190,
        IndentationGuides = 191,
        SetTabWidth = 192,
        IndentWithBlanks = 193,
        TabsToBlanks = 194,
        RemoveTrailingBlanks = 195,
        InsertText = 196,
        Cut = 197,
        Copy = 198,
        showCompletionList = 199,
        ReadOnly = 201,
        ClearLineColours = 222,
    };

    // What a command does with its parameter.
    enum class Argument {
        None,      // takes none
        LineIndex, // a 0-based line index; -1 or none asks the user for the line
        Integer,   // a whole number from `minimum` to `maximum`
        Text,      // a text that must not be empty
    };

    struct Command {
        int number = 0;
        const char *name = "";
        const char *description = "";
        Argument argument = Argument::None;
        int minimum = 0;
        int maximum = 0;
    };

    // A call checked against the table: `command` is set when the call is valid, `error`
    // says why it is not (a text to show the user as it stands).
    struct Call {
        const Command *command = nullptr;
        bool hasArgument = false;
        int integer = 0; // the parameter of a LineIndex or Integer command
        QString text;    // the parameter of a Text command
        QString error;
        bool ok() const { return command != nullptr; }
    };

    // The whole table in increasing order of numbers.
    static std::span<const Command> all();
    static const Command *find(int number);

    // The name of command `number`, or its one-line description; "" for no command.
    static QString CommandString(int number, bool description = false);

    // Checks a call; an empty `argument` means the call has none. The text form takes the
    // number as the execute-command dialog passes it.
    static Call check(int number, const QString &argument = {});
    static Call check(const QString &number, const QString &argument = {});
};
