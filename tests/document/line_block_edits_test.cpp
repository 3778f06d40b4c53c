#include "document/command_table.h"
#include "document/line_block_edits.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

QStringList applied(QStringList lines, const QList<LineEdit> &edits) {
    for (const LineEdit &edit : edits)
        lines[edit.line].replace(edit.column, edit.length, edit.text);
    return lines;
}

QStringList uncommented(const QStringList &lines, const TextRange &r) {
    const int first = LineBlockEdits::firstLine(r), last = LineBlockEdits::lastLine(r);
    return applied(lines, LineBlockEdits::uncomment(r, lines.mid(first, last - first + 1)));
}

TEST(LineBlockEdits, CommentAndUncommentWorkAtColumnZeroOnEveryTouchedLine) {
    // Ending at column 0 of line 3 still touches line 3; backwards selections work alike.
    EXPECT_EQ(applied({"l0", "  l1", "REM l2", "l3", "l4"}, LineBlockEdits::comment({3, 0, 1, 2})),
              (QStringList{"l0", "REM   l1", "REM REM l2", "REM l3", "l4"}));
    const QStringList four{"REM a", "  REM b", "rem c", "REM", "REM REM e", "REMARK", "REM "};
    EXPECT_EQ(uncommented(four, {0, 2, 6, 0}),
              (QStringList{"a", "  REM b", "rem c", "REM", "REM e", "REMARK", ""}));
    for (const TextRange &r : {TextRange{0, 0, 6, 4}, TextRange{2, 1, 2, 1}})
        EXPECT_EQ(uncommented(applied(four, LineBlockEdits::comment(r)), r), four);
    // Unchanged lines are replaced too, so the text counts as edited.
    EXPECT_EQ(LineBlockEdits::uncomment({1, 0, 1, 0}, {"x"}), (QList<LineEdit>{{1, 0, 1, "x"}}));
}

TEST(CommandTable, LeavesOutUnnamedNumbersSortsNamesAndFindsTheLowerNumber) {
    const QHash<int, QString> names{
        {99, "zeta"}, {120, "Alpha"}, {150, "beta"}, {160, "Alpha"}, {223, "outside"}};
    const CommandTable table([&](int number, bool description) {
        const QString name = names.value(number);
        return description && !name.isEmpty() ? name + QString::number(number) : name;
    });
    ASSERT_EQ(table.count(), 4);
    EXPECT_EQ(table.sortedNames(), (QStringList{"Alpha", "Alpha", "beta", "zeta"}));
    EXPECT_EQ(table.find("Alpha"), 2);
    EXPECT_EQ(table.id(2) + table.description(2), "120Alpha120");
    EXPECT_EQ(table.find("Beta"), 0); // exact names only
    EXPECT_EQ(table.description(table.find("")), "");
}

} // namespace
