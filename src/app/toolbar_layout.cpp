#include "app/toolbar_layout.h"

#include "base/string_table.h"

namespace {

using C = ToolbarCommand;

constexpr ToolbarButton separator{u"", 0, 0, C::None};

// The keys are the tool bar's historical German names; nothing shows them to the user.
constexpr std::array<ToolbarButton, ToolbarPositions> buttons{{
    {u"Neu", 1035, 1, C::NewDocument},
    {u"Öffnen", 1036, 2, C::Open},
    {u"Speichern", 1037, 3, C::Save},
    separator,
    {u"Translate", 1007, 15, C::Translate},
    separator,
    {u"Drucken", 1038, 4, C::Print},
    separator,
    {u"Rückgängig", 1039, 5, C::Undo},
    {u"Wiederherstellen", 1040, 6, C::Redo},
    separator,
    {u"Suchen", 1041, 7, C::Find},
    separator,
    {u"Ausschneiden", 1042, 8, C::Cut},
    {u"Kopieren", 1043, 9, C::Copy},
    {u"Einfügen", 1044, 10, C::Paste},
    separator,
    {u"Einrücken", 1045, 11, C::IncreaseIndent},
    {u"Rausrücken", 1046, 12, C::DecreaseIndent},
    separator,
    {u"Kommentieren", 1047, 13, C::Comment},
    {u"UnKommentieren", 1048, 14, C::Uncomment},
    separator,
    {u"Font", 1074, 16, C::Font},
    {u"Line", 1008, 17, C::LineNumbers},
    {u"Navi", 1078, 18, C::Navigator},
}};

} // namespace

const std::array<ToolbarButton, ToolbarPositions> &toolbarButtons() {
    return buttons;
}

std::optional<ToolbarCommand> toolbarCommandFor(const QString &key, bool childActive) {
    if (!childActive && key != QStringView(u"Neu") && key != QStringView(u"Öffnen"))
        return std::nullopt;
    for (const ToolbarButton &button : buttons) {
        if (!button.isSeparator() && key == QStringView(button.key))
            return button.command;
    }
    return std::nullopt;
}

int saveEncodingForEntry(const QString &entryText) {
    if (entryText == QStringView(u"ASCII"))
        return 1;
    if (entryText == QStringView(u"UTF8"))
        return 2;
    return 3;
}

QString saveButtonToolTip(const QString &entryText) {
    return StringTable::text(1004) + QStringLiteral(" - ") + entryText;
}
