#include "document/command_catalogue.h"
#include "document/command_table.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A naming with gaps, a shared name and names that sort differently from their numbers.
CommandTable::NameSource sparseNames() {
    static const std::map<int, std::pair<QString, QString>> names{
        {98, {"Before", "out of range"}}, {99, {"zeta", "Z."}},
        {120, {"Alpha", "A."}},           {150, {"beta", "B."}},
        {160, {"Alpha", "A2."}},          {222, {"Gamma", "G."}},
        {223, {"After", "out of range"}}};
    return [](int number, bool description) {
        const auto it = names.find(number);
        if (it == names.end())
            return QString();
        return description ? it->second.second : it->second.first;
    };
}

TEST(CommandTable, KeepsNumberOrderAndLeavesOutUnnamedNumbers) {
    const CommandTable table(sparseNames());
    ASSERT_EQ(table.count(), 5);
    QStringList rows;
    for (int slot = 0; slot <= table.count() + 1; ++slot)
        rows << table.id(slot) + ':' + table.name(slot) + ':' + table.description(slot);
    EXPECT_EQ(rows, (QStringList{"::", "99:zeta:Z.", "120:Alpha:A.", "150:beta:B.", "160:Alpha:A2.",
                                 "222:Gamma:G.", "::"}));
}

TEST(CommandTable, SortsIgnoringCaseAndFindsTheLowerNumberOfASharedName) {
    const CommandTable table(sparseNames());
    EXPECT_EQ(table.sortedNames(), (QStringList{"Alpha", "Alpha", "beta", "Gamma", "zeta"}));
    EXPECT_EQ(table.id(table.find("Alpha")), "120");
    EXPECT_EQ(table.find("beta"), 3);
    EXPECT_EQ(table.find("Beta"), 0); // exact match only
    EXPECT_EQ(table.find(""), 0);
    EXPECT_EQ(table.description(table.find("")), "");
}

TEST(CommandTable, TheEditorsCatalogueFillsAllOfItsNumbers) {
    const CommandTable table([](int n, bool d) { return CommandCatalogue::CommandString(n, d); });
    EXPECT_EQ(table.count(), 124);
    EXPECT_EQ(table.id(1), "99");
    EXPECT_EQ(table.id(124), "222");
    EXPECT_EQ(table.id(table.find("Go To Line")), "168");
}

} // namespace
