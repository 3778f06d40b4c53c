#include "document_window_fixture.h"

#include "analysis/declaration_search.h"
#include "analysis/document_language.h"
#include "analysis/scan_report.h"
#include "common/case_file.h"
#include "common/golden_file.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

namespace {

QList<QTreeWidgetItem *> items(const QTreeWidget &tree) {
    return tree.findItems("*", Qt::MatchWildcard | Qt::MatchRecursive);
}

// "text [key]" per node in display order, indented by depth; "+" marks an expanded node.
QStringList describe(const QTreeWidget &tree) {
    QStringList lines;
    for (const QTreeWidgetItem *item : items(tree))
        lines << QString(item->parent() ? item->parent()->parent() ? 4 : 2 : 0, ' ') +
                     item->text(0) + " [" + item->data(0, Qt::UserRole).toString() + "]" +
                     (item->isExpanded() ? "+" : "");
    return lines;
}

QTreeWidgetItem *item(const QTreeWidget &tree, const QString &key) {
    for (QTreeWidgetItem *candidate : items(tree))
        if (candidate->data(0, Qt::UserRole).toString() == key)
            return candidate;
    return nullptr;
}

} // namespace

using DocumentScan = DocumentWindowFixture;

TEST(DeclarationSearch, FirstLineWithKeywordThenNameAndLabelsWithoutBlanks) {
    const QStringList lines = {"PROC main:",      "  global data%",   "  GLOBAL a%",
                               "  Const kmax%=5", "loop:: REM again", " \t loop ::"};
    EXPECT_EQ(DeclarationSearch::declarationLine(lines, u"a%", u"GLOBAL"), 1);
    EXPECT_EQ(DeclarationSearch::declarationLine(lines, u"KMax%", u"CONST"), 3);
    EXPECT_EQ(DeclarationSearch::declarationLine(lines, u"main", u"GLOBAL"), -1);
    EXPECT_EQ(DeclarationSearch::labelLine(lines, u"loop::"), 5);
    EXPECT_EQ(DeclarationSearch::labelLine(lines, u"LOOP::"), -1);
}

TEST_F(DocumentScan, FillsTheTreeAndListsAndPlaysTheReportsInOrder) {
    start();
    module.settings().Paths[2] = "/no-such-folder";
    frmDocument &doc = scanned("GLOBAL x%, names$(10)\r\nPROC main:(a%)\r\n  LOCAL x%, i%\r\n"
                               "  INCLUDE \"k.oph\"\r\nlbl:: PRINT \"x\"\r\nENDP");
    expectGolden(describe(*doc.Tree).join('\n') + '\n', "document/scan_tree.golden.txt");
    EXPECT_EQ(doc.lstProc, (QStringList{"x%", "names$", "main:"}));
    EXPECT_EQ(doc.CurrentNode, (NavigatorNode{"L1", "L", "lbl::"}));
    EXPECT_EQ(doc.documentLanguage().category("labels")->words, QStringList{"lbl::"});
    EXPECT_EQ(doc.rtfText->GetSel(false).endLine, 2); // went to the duplicate's line
    EXPECT_EQ(doc.rtfText->lineColor(2), rtfText::NormalLineColour);

    // One box per scan, however many reports: cut after 20, the include folder's place named
    // when an include is missing, duplicates alone under the information icon; the lines
    // coloured while the box is up.
    QString shown;
    for (const CaseLine &scan : readCases("document/scan_reports.txt", 1)) {
        prompts.clear();
        QList<int> yellow;
        prompts.onMessage = [&] {
            for (int line = 0; line < doc.rtfText->LineCount(); ++line)
                if (doc.rtfText->lineColor(line) == kDuplicateLineColour)
                    yellow << line;
        };
        scanned(scan.text(0));
        shown += prompts.boxes().join('\n').replace("\r\n", "\n  ") + "\n  yellow:";
        for (const int line : yellow)
            shown += ' ' + QString::number(line);
        shown += '\n';
    }
    expectGolden(shown, "document/scan_reports.golden.txt");
    prompts.onMessage = {};

    // One line: the colours again, nothing else.
    const QStringList tree = describe(*doc.Tree);
    module.settings().Colours[1] = 0x123456;
    doc.rtfText->SetText("GLOBAL other%");
    doc.RESCAN();
    EXPECT_EQ(describe(*doc.Tree), tree);
    EXPECT_EQ(doc.documentLanguage().colour("Variables"), 0x123456u);
}

TEST_F(DocumentScan, NodeMenuForSymbolsGoToSelectsTheDeclarationPasteReplaces) {
    start();
    frmDocument &doc = scanned("PROC main:\r\n  GLOBAL data%, a%\r\n  CONST KMax%=5\r\n"
                               "loop:: REM again\r\n \tloop ::\r\n  PRINT abc\r\nENDP");
    // Each node clicked in turn, and the line Go To selects from its menu (-1: no menu).
    for (const auto &[key, line] :
         {std::pair("A", -1), {"F", -1}, {"V1", 1}, {"V2", 1}, {"C1", 2}, {"L2", 4}, {"F1", 0}}) {
        doc.nodeClicked(item(*doc.Tree, key), {});
        EXPECT_EQ(doc.CurrentNode.key, key);
        EXPECT_EQ(main().mnuNode->isVisible(), line >= 0) << key;
        main().mnuNode->hide();
        if (line < 0)
            continue;
        main().mnuNodeGoTo->trigger();
        EXPECT_EQ(doc.rtfText->GetSel(true),
                  (TextRange{line, 0, line, int(doc.rtfText->GetLine(line).size())}))
            << key;
    }
    // A double click or Return goes straight to the declaration; no menu follows.
    QApplication::setActiveWindow(&main());
    for (const auto &[key, line] : {std::pair("C1", 2), std::pair("L2", 4), std::pair("V1", 1)}) {
        QTreeWidgetItem *node = item(*doc.Tree, key);
        doc.rtfText->SetSel({6, 0, 6, 0}, true);
        doc.Tree->setCurrentItem(node);
        if (line == 4)
            QTest::keyClick(doc.Tree, Qt::Key_Return);
        else
            Q_EMIT doc.Tree->itemDoubleClicked(node, 0);
        EXPECT_EQ(doc.rtfText->GetSel(false).endLine, line) << key;
        EXPECT_FALSE(main().mnuNode->isVisible()) << key;
    }
    doc.CurrentNode = {"L9", "L", "nowhere::"}; // not found: the selection stays
    doc.rtfText->SetSel({5, 8, 5, 11}, true);
    doc.NodeGoTo();
    doc.nodeClicked(item(*doc.Tree, "V1"), {});
    main().mnuNodePaste->trigger();
    EXPECT_EQ(doc.rtfText->GetLine(5), "  PRINT data%");
}

TEST_F(DocumentScan, UndefinedNamesAreMarkedAndAClearSearchTakesOnlyTheColoursOff) {
    start();
    frmDocument &doc = scanned("PROC main:\r\n  LOCAL i%\r\n  i% = unknown + 1\r\n"
                               "  PRINT \"quoted words\", i%\r\nENDP\r\nPROC other:\r\n"
                               "  i% = 2\r\nENDP");
    for (const bool found : {true, false}) {
        prompts.clear();
        main().itmFindUndefined->trigger();
        QList<int> marked, coloured;
        for (int line = 0; line < doc.rtfText->LineCount(); ++line) {
            if (doc.rtfText->lineMarked(line))
                marked << line;
            if (doc.rtfText->lineColor(line) == 10526975)
                coloured << line;
        }
        EXPECT_EQ(marked, (QList<int>{2, 6})); // marks stay
        EXPECT_EQ(coloured, found ? marked : QList<int>{});
        ASSERT_EQ(prompts.messages().size(), 1u); // its text: UndefinedSearch
        EXPECT_EQ(prompts.messages()[0].icon,
                  found ? MessageIcon::Exclamation : MessageIcon::Information);
        doc.lstProc << "UNKNOWN"
                    << "i%"; // known from now on
    }
    EXPECT_EQ(doc.rtfText->GetSel(false).endLine, 6);

    // F8 and Shift+F8 step through the marked lines, round at either end.
    QApplication::setActiveWindow(&main());
    QList<int> visited;
    for (const auto modifier :
         {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ShiftModifier}) {
        QTest::keyClick(doc.rtfText, Qt::Key_F8, modifier);
        visited << doc.rtfText->GetSel(false).endLine;
    }
    EXPECT_EQ(visited, (QList<int>{2, 6, 2, 6}));
    // The caret's place in the status bar, counted from one; selected backwards, at the start.
    EXPECT_EQ(main().statusPanelText(), "Line: 7, Column: 1");
    doc.rtfText->SetSel({6, 4, 2, 1}, true);
    EXPECT_EQ(main().statusPanelText(), "Line: 3, Column: 2");
}
