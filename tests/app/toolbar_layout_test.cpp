#include "app/toolbar_layout.h"

#include "common/case_file.h"
#include "common/qstring_printer.h"

#include <gtest/gtest.h>

TEST(ToolbarLayout, ClickRunsTheExactKeyAndOnlyNewOrOpenWithoutAChild) {
    const QStringList names{
        "None",           "NewDocument",    "Open",    "Save",     "Translate", "Print",
        "Undo",           "Redo",           "Find",    "Cut",      "Copy",      "Paste",
        "IncreaseIndent", "DecreaseIndent", "Comment", "Uncomment"};
    for (const CaseLine &c : readCases("app/toolbar_clicks.txt", 3)) {
        const std::optional<ToolbarCommand> command =
            toolbarCommandFor(c.text(0), c.text(1) == "child");
        const QString shown = command ? names.value(int(*command)) : "-";
        EXPECT_EQ(c.text(1) == "save entry" ? QString::number(saveEncodingForEntry(c.text(0)))
                                            : shown,
                  c.text(2))
            << c.line;
    }
}
