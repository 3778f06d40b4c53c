#include "document_window_fixture.h"

#include "analysis/completion_list.h"
#include "analysis/component_registry.h"
#include "analysis/declaration_search.h"
#include "analysis/document_language.h"

#include <QMenu>
#include <QTreeWidget>

namespace {

// One line per node, indented by depth: "text [key]", "+" for an expanded node.
QStringList describe(const QTreeWidget &tree) {
    QStringList lines;
    std::function<void(const QTreeWidgetItem *, int)> walk = [&](const QTreeWidgetItem *item,
                                                                 int depth) {
        lines << QString(depth * 2, ' ') + item->text(0) + " [" +
                     item->data(0, Qt::UserRole).toString() + "]" + (item->isExpanded() ? "+" : "");
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        walk(tree.topLevelItem(i), 0);
    return lines;
}

QTreeWidgetItem *itemWithKey(const QTreeWidget &tree, const QString &key) {
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(&tree)); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key)
            return *it;
    return nullptr;
}

const char *const WorkedExample = "DECLARE OPX Sys,&10000001,1\r\n"
                                  "  SysBeep&:(freq&, dur&) : 1\r\n"
                                  "END DECLARE\r\n"
                                  "PROC main:\r\n"
                                  "  GLOBAL count%, names$(10)\r\n"
                                  "  LOCAL i%\r\n"
                                  "  CONST KMax%=5\r\n"
                                  "  OPEN \"data\",A,f1%\r\n"
                                  "loop::\r\n"
                                  "  count%=count%+1\r\n"
                                  "  IF count%<KMax% : GOTO loop:: : ENDIF\r\n"
                                  "ENDP";

} // namespace

using DocumentScan = DocumentWindowFixture;

TEST(DeclarationSearch, FirstLineWithKeywordThenNameAndLabelsWithoutBlanks) {
    const QStringList lines = {
        "PROC main:",       "  global data%", "  GLOBAL a%", "  Const kmax%=5",
        "loop:: REM again", " \t loop ::",    "ENDP"};
    const struct {
        const char *name, *keyword;
        int line;
    } declarations[] = {{"a%", "GLOBAL", 1},
                        {"KMax%", "CONST", 3},
                        {"main:", "PROC", 0},
                        {"main", "GLOBAL", -1},
                        {"zz%", "GLOBAL", -1}};
    for (const auto &d : declarations)
        EXPECT_EQ(DeclarationSearch::declarationLine(lines, QString(d.name), QString(d.keyword)),
                  d.line)
            << d.name;
    EXPECT_EQ(DeclarationSearch::labelLine(lines, u"loop::"), 5);
    EXPECT_EQ(DeclarationSearch::labelLine(lines, u"LOOP::"), -1);
    EXPECT_EQ(DeclarationSearch::labelLine(lines, u"loop"), -1);
}

TEST_F(DocumentScan, FillsTheTreeListsWordListsAndAFreshCompletionList) {
    start();
    frmDocument &doc = scanned(WorkedExample);
    EXPECT_EQ(
        describe(*doc.Tree),
        (QStringList{"Project -> Document 1 [A]+", "Labels [L]+", "  loop:: [L1]",
                     "Global Variables [V]+", "  count% [V1]", "  names$ [V2]", "Constants [C]+",
                     "  KMax% [C1]", "Procedures [F]+", "  SysBeep&: [F1]", "    freq& [F1_1]",
                     "    dur& [F1_2]", "  main: [F2]", "    i% [F2_3]", "    A [F2_4]"}));
    EXPECT_EQ(doc.lstProc, (QStringList{"SysBeep&:", "main:", "count%", "names$", "KMax%"}));
    EXPECT_EQ(doc.CurrentNode, (NavigatorNode{"L1", "L", "loop::"}));
    const DocumentLanguage &language = doc.documentLanguage();
    EXPECT_EQ(language.category("variables")->words, (QStringList{"count%", "names$"}));
    EXPECT_EQ(language.category("labels")->words, QStringList{"loop::"});
    EXPECT_EQ(language.category("constants")->words, (QStringList{"sampleconst", "KMax%"}));
    EXPECT_EQ(language.category("functions")->words,
              (QStringList{"samplefunc", "SysBeep&:", "main:"}));

    const auto list = ComponentRegistry::global().findMemberList(doc.MemberListName());
    ASSERT_NE(list, nullptr);
    const int vocabulary = doc.GlobalMemberList().count();
    ASSERT_EQ(list->count(), vocabulary + 6);
    EXPECT_EQ(list->entries().mid(0, vocabulary), doc.GlobalMemberList().entries());
    EXPECT_EQ(*list->entry(vocabulary),
              (CompletionEntry{"SysBeep&:", "(freq&,dur&)", 9, "OPX DECLARED function SysBeep&:"}));
    EXPECT_EQ(*list->entry(vocabulary + 3),
              (CompletionEntry{"names$", "(0 ... 10)", 23, "User array names$"}));
    EXPECT_TRUE(prompts.calls.empty());
}

TEST_F(DocumentScan, ALabelsNodeMadeLateIsShownSecond) {
    start();
    frmDocument &doc = scanned("PROC main:\r\nlbl:: PRINT \"x\"\r\nENDP");
    EXPECT_EQ(describe(*doc.Tree),
              (QStringList{"Project -> Document 1 [A]+", "Labels [L]+", "  lbl:: [L1]",
                           "Constants [C]+", "Procedures [F]+", "  main: [F1]"}));
}

TEST_F(DocumentScan, FewerThanTwoLinesOnlyApplyTheColours) {
    start();
    frmDocument &doc = scanned("GLOBAL n%\r\nPROC main:");
    const QStringList tree = describe(*doc.Tree);
    const QString listName = doc.MemberListName();
    module.settings().Colours[1] = 0x123456;
    doc.rtfText->SetText("GLOBAL other%");
    doc.RESCAN();
    EXPECT_EQ(describe(*doc.Tree), tree);
    EXPECT_EQ(doc.MemberListName(), listName);
    EXPECT_EQ(doc.lstProc, (QStringList{"n%", "main:"}));
    EXPECT_EQ(doc.documentLanguage().colour("Variables"), 0x123456u);
}

TEST_F(DocumentScan, ReportsPlayInOrderWithTheDuplicateLineYellowWhileShown) {
    start();
    module.settings().Paths[2] = "/no-such-include-folder";
    std::vector<std::pair<std::uint32_t, int>> seen; // line colour and caret line
    frmDocument &doc = active();
    watched.whileMessageShown = [&](const QString &) {
        seen.emplace_back(doc.rtfText->LineColor(1), doc.rtfText->GetSel(false).endLine);
    };
    scanned("global x% : PRINT x%\r\nGLOBAL x%\r\nINCLUDE \"consts.oph\"\r\nPROC main:");
    ASSERT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(prompts.messages()[0].text, "Name x% allready reserved!");
    EXPECT_EQ(prompts.messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(prompts.messages()[1].text, "/no-such-include-folder/consts.oph\r\nFile not found!");
    EXPECT_EQ(prompts.messages()[1].icon, MessageIcon::Critical);
    for (const auto &message : prompts.messages())
        EXPECT_EQ(message.title, "Tamro");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(std::uint32_t(56540), 1));
    EXPECT_EQ(doc.rtfText->LineColor(1), rtfText::NormalLineColour);
}

TEST_F(DocumentScan, NodeClickPopsUpTheNodeMenuOnlyForSymbols) {
    start();
    frmDocument &doc = scanned(WorkedExample);
    const struct {
        const char *key;
        bool menu;
    } clicks[] = {{"A", false}, {"F", false}, {"F1_1", false}, {"F2", true},
                  {"L1", true}, {"C1", true}, {"V2", true}};
    for (const auto &click : clicks) {
        QTreeWidgetItem *item = itemWithKey(*doc.Tree, click.key);
        ASSERT_NE(item, nullptr) << click.key;
        doc.Tree_NodeClick(item, QPoint(50, 50));
        EXPECT_EQ(doc.CurrentNode.key, click.key);
        EXPECT_EQ(doc.CurrentNode.text, item->text(0));
        EXPECT_EQ(main().mnuNode->isVisible(), click.menu) << click.key;
        main().mnuNode->hide();
    }
}

TEST_F(DocumentScan, GoToSelectsTheDeclarationAndPasteReplacesTheSelection) {
    start();
    frmDocument &doc = scanned("PROC main:\r\n  GLOBAL data%\r\n  GLOBAL a%\r\n  CONST KMax%=5\r\n"
                               "loop:: REM again\r\n \tloop ::\r\n  PRINT abc\r\nENDP");
    const struct {
        const char *key;
        int line;
    } jumps[] = {{"V2", 1}, {"C1", 3}, {"L1", 5}, {"F1", 0}};
    for (const auto &jump : jumps) {
        doc.Tree_NodeClick(itemWithKey(*doc.Tree, jump.key), {});
        main().mnuNodeGoTo->trigger();
        const TextRange selected = doc.rtfText->GetSel(true);
        EXPECT_EQ(selected.startLine, jump.line) << jump.key;
        EXPECT_EQ(selected.startColumn, 0);
        EXPECT_EQ(selected.endColumn, doc.rtfText->GetLine(jump.line).size());
    }
    // Not found: the caret stays.
    doc.rtfText->SetSel({6, 8, 6, 11}, true);
    doc.CurrentNode = {"L9", "L", "nowhere::"};
    doc.NodeGoTo();
    EXPECT_EQ(doc.rtfText->GetSel(false), (TextRange{6, 8, 6, 11}));

    doc.Tree_NodeClick(itemWithKey(*doc.Tree, "V1"), {});
    main().mnuNodePaste->trigger();
    EXPECT_EQ(doc.rtfText->GetLine(6), "  PRINT data%");
    doc.rtfText->SetSel({7, 0, 7, 0}, true);
    main().mnuNodePaste->trigger();
    EXPECT_EQ(doc.rtfText->GetLine(7), "data%ENDP");
}

TEST_F(DocumentScan, CaretPositionGoesToTheStatusBarCountedFromOne) {
    start();
    frmDocument &doc = active();
    doc.rtfText->SetText(QString("line\r\n").repeated(12) + "1234567");
    doc.rtfText->SetSel({11, 4, 11, 4}, true);
    EXPECT_EQ(main().statusPanelText(), "Line: 12, Column: 5");
    doc.rtfText->SetSel({11, 6, 2, 1}, true); // backwards: the caret is at the start
    EXPECT_EQ(main().statusPanelText(), "Line: 3, Column: 2");
}

TEST_F(DocumentScan, UndefinedNamesAreMarkedAndAClearSearchOnlyTakesTheColoursOff) {
    start();
    frmDocument &doc = scanned("PROC main:\r\n  LOCAL i%\r\n  i% = undefinedThing + 1\r\n"
                               "  PRINT \"quoted words\", i%\r\nENDP\r\nPROC other:\r\n"
                               "  i% = 2\r\nENDP");
    main().itmFindUndefined->trigger();
    QList<int> marked, coloured;
    for (int line = 0; line < doc.rtfText->LineCount(); ++line) {
        if (doc.rtfText->LineMarked(line))
            marked << line;
        if (doc.rtfText->LineColor(line) == 10526975)
            coloured << line;
    }
    EXPECT_EQ(marked, (QList<int>{2, 6}));
    EXPECT_EQ(coloured, marked);
    EXPECT_EQ(doc.rtfText->GetSel(false).endLine, 6);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text,
              "Search for undefined externals is complete! Unknown elements was found!");
    EXPECT_EQ(prompts.messages()[0].icon, MessageIcon::Exclamation);

    prompts.clear();
    doc.lstProc << "UNDEFINEDTHING"
                << "i%";
    doc.FindUndefined();
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text, "Search for undefined externals is complete!");
    EXPECT_EQ(prompts.messages()[0].icon, MessageIcon::Information);
    for (const int line : {2, 6}) {
        EXPECT_EQ(doc.rtfText->LineColor(line), rtfText::NormalLineColour);
        EXPECT_TRUE(doc.rtfText->LineMarked(line));
    }
}
