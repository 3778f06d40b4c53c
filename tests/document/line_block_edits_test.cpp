#include "document/line_block_edits.h"

#include <gtest/gtest.h>

namespace {

// Applies edits to lines the way the editor does, one after another.
QStringList applied(QStringList lines, const QList<LineEdit> &edits) {
    for (const LineEdit &edit : edits)
        lines[edit.line].replace(edit.column, edit.length, edit.text);
    return lines;
}

QStringList touched(const QStringList &lines, const TextRange &r) {
    const int first = LineBlockEdits::firstLine(r);
    return lines.mid(first, LineBlockEdits::lastLine(r) - first + 1);
}

TEST(LineBlockEdits, CommentTouchesEveryLineUpToTheLastEvenAtColumnZero) {
    // Lines 3 to 5 selected whole: the selection ends at column 0 of line 6.
    const QStringList lines{"a", "b", "c", "  d", "REM e", "f", "g", "h"};
    const QStringList result = applied(lines, LineBlockEdits::comment({3, 0, 6, 0}));
    EXPECT_EQ(result, (QStringList{"a", "b", "c", "REM   d", "REM REM e", "REM f", "REM g", "h"}));
}

TEST(LineBlockEdits, EmptySelectionCommentsTheCaretLineAndBackwardsSelectionsWork) {
    EXPECT_EQ(LineBlockEdits::comment({2, 5, 2, 5}), (QList<LineEdit>{{2, 0, 0, "REM "}}));
    EXPECT_EQ(LineBlockEdits::comment({4, 1, 3, 2}),
              (QList<LineEdit>{{3, 0, 0, "REM "}, {4, 0, 0, "REM "}}));
}

TEST(LineBlockEdits, UncommentRemovesOnlyAnExactKeywordAtColumnZero) {
    const QStringList lines{"REM first",  "  REM second",  "rem third", "REM",
                            "REMARK = 1", "REM REM twice", "REM ",      ""};
    const TextRange all{0, 0, 7, 0};
    EXPECT_EQ(applied(lines, LineBlockEdits::uncomment(all, touched(lines, all))),
              (QStringList{"first", "  REM second", "rem third", "REM", "REMARK = 1", "REM twice",
                           "", ""}));
}

TEST(LineBlockEdits, UncommentReplacesEveryTouchedLineEvenUnchanged) {
    const QStringList lines{"x", "REM y", "z"};
    const TextRange r{0, 1, 2, 1};
    EXPECT_EQ(LineBlockEdits::uncomment(r, touched(lines, r)),
              (QList<LineEdit>{{0, 0, 1, "x"}, {1, 0, 5, "y"}, {2, 0, 1, "z"}}));
}

TEST(LineBlockEdits, CommentThenUncommentGivesTheLinesBack) {
    const QStringList lines{"PROC main:", "  REM kept", "rem x", "", "REM", "ENDP"};
    const TextRange r{0, 3, 5, 2};
    const QStringList commented = applied(lines, LineBlockEdits::comment(r));
    EXPECT_EQ(applied(commented, LineBlockEdits::uncomment(r, touched(commented, r))), lines);
}

} // namespace
