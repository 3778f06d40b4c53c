#pragma once

#include <QString>
#include <array>
#include <optional>

// What a tool-bar button does; None marks a separator.
enum class ToolbarCommand {
    None,
    NewDocument,
    Open,
    Save,
    Translate,
    Print,
    Undo,
    Redo,
    Find,
    Cut,
    Copy,
    Paste,
    IncreaseIndent,
    DecreaseIndent,
    Comment,
    Uncomment,
    Font,
    LineNumbers,
    Navigator,
};

// One position of the main tool bar. The key is what the click handler dispatches on; the
// tooltip is a string-table entry number until the captions are localised.
struct ToolbarButton {
    const char16_t *key; // empty for a separator
    int toolTipEntry;    // 0 for a separator
    int image;           // 1..18, 0 for a separator
    ToolbarCommand command;

    bool isSeparator() const { return command == ToolbarCommand::None; }
};

inline constexpr int ToolbarPositions = 26;

// The 26 positions of the tool bar, position 1 first.
const std::array<ToolbarButton, ToolbarPositions> &toolbarButtons();

// The command a click on the button with `key` runs: the first button whose key matches
// exactly. Without an active child window only "Neu" and "Öffnen" act.
std::optional<ToolbarCommand> toolbarCommandFor(const QString &key, bool childActive);

// The drop-down entries of the save button, in menu order.
inline constexpr std::array<const char16_t *, 3> SaveFormatEntries{u"ASCII", u"UTF8", u"UNICODE"};

// SaveEncoding for a drop-down entry's text: 1 for "ASCII", 2 for "UTF8", 3 for anything else.
int saveEncodingForEntry(const QString &entryText);

// The save button's tooltip once `entryText` is chosen, e.g. "Save - UTF8".
QString saveButtonToolTip(const QString &entryText);
