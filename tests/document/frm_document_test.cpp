#include "document_window_fixture.h"

#include "analysis/completion_list.h"
#include "analysis/component_registry.h"
#include "analysis/document_language.h"
#include "document/document_layout.h"

#include <Qsci/qscilexer.h>

#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

using DocumentWindow = DocumentWindowFixture;

TEST(DocumentLayout, PanesKeepTheirMarginsAndReachTheEdges) {
    const struct {
        int width, height;
        bool navigator;
        std::optional<QRect> tree, editor;
    } cases[] = {
        {400, 300, true, QRect(10, 10, 90, 290), QRect(110, 10, 290, 290)},
        {400, 300, false, std::nullopt, QRect(10, 10, 390, 290)},
        {403, 300, true, QRect(10, 10, 90, 290), QRect(110, 10, 293, 290)},
        {30, 300, true, std::nullopt, QRect(17, 10, 13, 290)}, // too narrow for the tree
        {400, 5, true, std::nullopt, std::nullopt},            // too low for either pane
    };
    for (const auto &c : cases) {
        const DocumentLayout layout = DocumentLayout::forSize(c.width, c.height, c.navigator);
        EXPECT_EQ(layout.treeVisible, c.navigator);
        EXPECT_EQ(layout.tree, c.tree) << c.width << "x" << c.height;
        EXPECT_EQ(layout.editor, c.editor) << c.width << "x" << c.height;
    }
}

TEST_F(DocumentWindow, LoadTakesTheSettingsAndRegistersUnderItsOwnNames) {
    module.applyStartDefaults();
    module.settings().EditorFont = {"DejaVu Sans Mono", 11.5, true, false};
    module.settings().LineNumbers = false;
    module.settings().Colours[0] = 0x0000FF;
    module.start();
    frmDocument &doc = active();
    EXPECT_EQ(doc.windowTitle(), "Document 1");
    EXPECT_TRUE(doc.NavigatorVisible());
    EXPECT_FALSE(doc.rtfText->LineNumbering());
    EXPECT_EQ(doc.rtfText->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE,
                                         QsciScintillaBase::STYLE_LINENUMBER),
              0x0000FF);
    EXPECT_TRUE(doc.rtfText->lexer()->font(0).bold());
    EXPECT_EQ(doc.rtfText->lexer()->font(0).pointSizeF(), 11.5);
    EXPECT_TRUE(QRegularExpression("^OPL_\\d+$").match(doc.LanguageName()).hasMatch())
        << doc.LanguageName().toStdString();
    EXPECT_EQ(doc.MemberListName(), doc.GlobalMemberList().name());
    EXPECT_TRUE(doc.MemberListName().endsWith('_' + doc.LanguageName()));
    EXPECT_GT(doc.GlobalMemberList().count(), 100);
    EXPECT_TRUE(prompts.calls.empty());

    ComponentRegistry &registry = ComponentRegistry::global();
    EXPECT_EQ(registry.findLanguage(doc.LanguageName()).get(), &doc.documentLanguage());
    const QString languageName = doc.LanguageName(), listName = doc.MemberListName();
    closeAndDelete(doc.parentWidget());
    EXPECT_EQ(registry.findLanguage(languageName), nullptr);
    EXPECT_EQ(registry.findMemberList(listName), nullptr);
}

TEST_F(DocumentWindow, LayoutFollowsTheSizeAndTheNavigatorSwitch) {
    start();
    frmDocument &doc = active();
    doc.parentWidget()->showNormal();
    doc.resize(400, 300);
    const QRect tree(10, 10, 90, 290), editorBeside(110, 10, 290, 290);
    EXPECT_TRUE(doc.Tree->isVisible());
    EXPECT_EQ(doc.Tree->geometry(), tree);
    EXPECT_EQ(doc.rtfText->geometry(), editorBeside);
    doc.Navigator();
    EXPECT_FALSE(doc.Tree->isVisible());
    EXPECT_EQ(doc.rtfText->geometry(), QRect(10, 10, 390, 290));
    doc.Navigator();
    EXPECT_TRUE(doc.Tree->isVisible());
    EXPECT_EQ(doc.Tree->geometry(), tree);
    EXPECT_EQ(doc.rtfText->geometry(), editorBeside);
}

TEST_F(DocumentWindow, CloseAsksOnlyWhenModifiedAndKeepsTheWindowUnlessItMayGo) {
    start();
    const QString saved = filesDir.filePath("saved.txt");
    const struct {
        const char *name;
        MessageAnswer answer;
        QString dialogAnswer; // "" = cancelled; null = no dialog expected
        bool closes;
        bool written;
    } cases[] = {
        {"cancel", MessageAnswer::Cancel, QString(), false, false},
        {"no", MessageAnswer::No, QString(), true, false},
        {"yes, dialog cancelled", MessageAnswer::Yes, "", false, false},
        {"yes, saved", MessageAnswer::Yes, saved, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(saved);
        prompts.clear();
        main().NewDocument();
        frmDocument &doc = active();
        doc.rtfText->SetText("PRINT 1");
        prompts.messageAnswers = {c.answer};
        if (!c.dialogAnswer.isNull())
            prompts.fileAnswers = {c.dialogAnswer};
        EXPECT_EQ(doc.parentWidget()->close(), c.closes);
        ASSERT_GE(prompts.calls.size(), 1u);
        const ScriptedPrompts::Call &question = prompts.calls[0];
        EXPECT_EQ(question.text, doc.windowTitle() + " was changed. Save?");
        EXPECT_EQ(question.title, "Tamro");
        EXPECT_EQ(question.icon, MessageIcon::None);
        EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(prompts.calls.size(), c.dialogAnswer.isNull() ? 1u : 2u);
        if (!c.dialogAnswer.isNull()) {
            EXPECT_EQ(prompts.calls[1].kind, ScriptedPrompts::Kind::SaveFile);
            EXPECT_EQ(prompts.calls[1].text, "Save");
        }
        EXPECT_EQ(QFile::exists(saved), c.written);
        if (!c.closes) {
            EXPECT_EQ(doc.rtfText->Text(), "PRINT 1");
        }
    }
    // Unmodified, or titled: no question, or no dialog.
    prompts.clear();
    main().NewDocument();
    EXPECT_TRUE(active().parentWidget()->close());
    EXPECT_TRUE(prompts.calls.empty());
    main().NewDocument();
    frmDocument &titled = active();
    titled.setWindowTitle(saved);
    titled.rtfText->SetText("PRINT 2");
    module.settings().SaveEncoding = 2;
    prompts.messageAnswers = {MessageAnswer::Yes};
    EXPECT_TRUE(titled.parentWidget()->close());
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xEF\xBB\xBFPRINT 2"));
}

TEST_F(DocumentWindow, FailingSaveOnCloseShowsTheReasonAndKeepsTheWindow) {
    start();
    frmDocument &doc = active();
    doc.setWindowTitle(writeFile("plain", "x") + "/below-a-file.opl");
    doc.rtfText->SetText("PRINT 1");
    prompts.messageAnswers = {MessageAnswer::Yes};
    EXPECT_FALSE(doc.parentWidget()->close());
    ASSERT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(prompts.messages()[1].icon, MessageIcon::Critical);
    EXPECT_EQ(prompts.messages()[1].text, doc.rtfText->lastError());
    EXPECT_FALSE(prompts.messages()[1].text.isEmpty());
}

TEST_F(DocumentWindow, MissingOrBrokenDataFilesAreReportedOnceAndTheWindowStillScans) {
    const struct {
        const char *name;
        QByteArray content; // null: no file
    } cases[] = {{"missing", QByteArray()}, {"empty", ""}, {"malformed", "<language name="}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        for (const char *name : {"opl.xml", "global.xml"})
            if (!c.content.isNull()) {
                QFile file(folder.filePath(name));
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(c.content);
            }
        ScriptedPrompts quiet;
        mdlMAIN other(folder.path(), quiet);
        other.applyStartDefaults();
        other.start();
        frmDocument *first = other.MainWindow()->activeDocument();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(quiet.messageTexts(),
                  (QStringList{folder.filePath("opl.xml") + "\r\nFile not found!",
                               folder.filePath("global.xml") + "\r\nFile not found!"}));
        EXPECT_EQ(quiet.messages()[0].icon, MessageIcon::Critical);
        other.MainWindow()->NewDocument(); // once per run
        EXPECT_EQ(quiet.messages().size(), 2u);

        frmDocument *doc = other.MainWindow()->activeDocument();
        doc->rtfText->SetText("GLOBAL n%\r\nPROC main:\r\nENDP");
        doc->RESCAN();
        EXPECT_EQ(doc->lstProc, (QStringList{"n%", "main:"}));
        EXPECT_EQ(doc->Tree->topLevelItemCount(), 4);
        const auto list = ComponentRegistry::global().findMemberList(doc->MemberListName());
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->names(), (QStringList{"n%", "main:"}));
        other.MainWindow()->close();
    }
}

TEST_F(DocumentWindow, TwoDocumentsNeverShareACompletionList) {
    start();
    frmDocument &first = active();
    main().NewDocument();
    frmDocument &second = active();
    EXPECT_NE(first.LanguageName(), second.LanguageName());
    EXPECT_NE(first.MemberListName(), second.MemberListName());

    ComponentRegistry &registry = ComponentRegistry::global();
    const QString secondList = second.MemberListName();
    const int listsBefore = registry.memberListCount();
    first.rtfText->SetText("GLOBAL counter%\r\nPROC main:\r\nENDP");
    for (int scan = 0; scan < 5; ++scan) // an earlier scan's list is released
        first.RESCAN();
    EXPECT_EQ(registry.memberListCount(), listsBefore + 1);
    EXPECT_TRUE(first.MemberListName().startsWith("ml_"));
    EXPECT_EQ(second.MemberListName(), secondList);
    EXPECT_FALSE(registry.findMemberList(secondList)->names().contains("counter%"));
    EXPECT_TRUE(registry.findMemberList(first.MemberListName())->names().contains("counter%"));
    EXPECT_EQ(first.documentLanguage().category("Variables")->words, QStringList{"counter%"});
    EXPECT_NE(second.documentLanguage().category("Variables")->words, QStringList{"counter%"});

    // Typing offers the document's own names; the other document does not know them.
    for (frmDocument *doc : {&first, &second}) {
        doc->rtfText->SetText("GLOBAL counter%\r\n");
        doc->rtfText->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        doc->rtfText->SetSelText("counte");
        QTest::keyClick(doc->rtfText, Qt::Key_Space, Qt::ControlModifier);
        const bool offered = doc->rtfText->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE) != 0;
        EXPECT_EQ(offered, doc == &first);
        doc->rtfText->SendScintilla(QsciScintillaBase::SCI_AUTOCCANCEL);
    }
}

TEST_F(DocumentWindow, HugeBinaryAndLongLineFilesOpenAndScroll) {
    start();
    QByteArray tenMegabytes;
    for (int i = 0; tenMegabytes.size() < 10 * 1024 * 1024; ++i) {
        tenMegabytes += "PROC p" + QByteArray::number(i) + ":\r\n  LOCAL a%, b$(20)\r\n";
        for (int line = 0; line < 50; ++line)
            tenMegabytes += "  PRINT \"Some text\", a%, b$ REM and a comment\r\n";
        tenMegabytes += "ENDP\r\n";
    }
    QByteArray binary;
    for (int i = 0; i < 200000; ++i)
        binary += char(i * 7 % 256);
    const struct {
        const char *name;
        QByteArray bytes;
    } files[] = {{"ten-megabytes.opl", tenMegabytes},
                 {"lines.opl", QByteArray(200000, '\n')},
                 {"binary.bin", binary},
                 {"nul.opl", QByteArray("GLOBAL a%\0\0\0b%\r\nPROC x:\r\n", 25)},
                 {"long-line.opl", "PRINT " + QByteArray(1024 * 1024, 'x') + "\r\nGLOBAL z%"}};
    for (const auto &f : files) {
        SCOPED_TRACE(f.name);
        main().NewDocument();
        frmDocument &doc = active();
        ASSERT_TRUE(doc.LoadFile(writeFile(f.name, f.bytes)));
        EXPECT_EQ(doc.windowTitle(), filesDir.filePath(f.name));
        doc.rtfText->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        doc.rtfText->viewport()->grab();
        EXPECT_GE(doc.rtfText->LineCount(), 2);
        EXPECT_GE(doc.Tree->topLevelItemCount(), 3);
        closeAndDelete(doc.parentWidget());
    }
}
