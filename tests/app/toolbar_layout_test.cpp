#include "app/toolbar_layout.h"

#include "common/qstring_printer.h"

#include <gtest/gtest.h>

using C = ToolbarCommand;

TEST(ToolbarLayout, ClickRunsTheExactKeyAndOnlyNewOrOpenWithoutAChild) {
    const struct {
        QString key;
        bool childActive;
        std::optional<C> command;
    } cases[] = {
        {"Neu", false, C::NewDocument},
        {QStringLiteral("Öffnen"), false, C::Open},
        {"Speichern", false, std::nullopt},
        {"Speichern", true, C::Save},
        {QStringLiteral("Rückgängig"), true, C::Undo},
        {"UnKommentieren", true, C::Uncomment},
        {"neu", true, std::nullopt},                           // case-sensitive
        {"Neu ", true, std::nullopt},                          // no trimming
        {QStringLiteral(u"O\u0308ffnen"), true, std::nullopt}, // no normalisation
        {"New", true, std::nullopt},                           // the image key is no button key
        {"", true, std::nullopt},                              // separators have no key
        {"ASCII", true, std::nullopt},                         // drop-down entries are no buttons
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key.toStdString() + (c.childActive ? " with child" : " without child"));
        EXPECT_EQ(toolbarCommandFor(c.key, c.childActive), c.command);
    }
}

TEST(ToolbarLayout, SaveFormatEntryGivesEncodingAndTooltip) {
    const struct {
        QString entry;
        int encoding;
    } cases[] = {{"ASCII", 1}, {"ascii", 3}, {"UTF-8", 3}, {"", 3}};
    for (const auto &c : cases)
        EXPECT_EQ(saveEncodingForEntry(c.entry), c.encoding) << c.entry.toStdString();
    EXPECT_EQ(saveButtonToolTip("UTF8"), "Save - UTF8");
}
