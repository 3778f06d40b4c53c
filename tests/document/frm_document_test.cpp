#include "document_window_fixture.h"

#include "analysis/completion_list.h"
#include "analysis/component_registry.h"
#include "analysis/document_language.h"
#include "common/case_file.h"

#include <QTest>
#include <QTreeWidget>

using DocumentWindow = DocumentWindowFixture;

TEST_F(DocumentWindow, ClosingAModifiedDocumentAsksAndStaysUnlessItMayGo) {
    start();
    const QString saved = filesDir.filePath("saved.txt");
    const QHash<QString, MessageAnswer> answers{
        {"Cancel", MessageAnswer::Cancel}, {"No", MessageAnswer::No}, {"Yes", MessageAnswer::Yes}};
    for (const CaseLine &c : readCases("document/close_question.txt", 5)) {
        QFile::remove(saved);
        prompts.clear();
        main().NewDocument();
        frmDocument &doc = active();
        if (c.text(0) == "saved")
            doc.setWindowTitle(saved);
        const QString caption = doc.windowTitle();
        SCOPED_TRACE(c.line);
        doc.rtfText->SetText("PRINT 1");
        prompts.messageAnswers = {answers.value(c.text(1))};
        if (c.text(2) != "-")
            prompts.fileAnswers = {c.text(2) == "saved" ? saved : QString()};
        EXPECT_EQ(doc.parentWidget()->close(), c.text(3) == "yes");
        EXPECT_EQ(prompts.boxes(), QStringList{ScriptedPrompts::box(caption + " was changed. Save?",
                                                                    "Tamro", MessageIcon::None,
                                                                    MessageButtons::YesNoCancel)});
        EXPECT_EQ(prompts.calls.back().kind, c.text(2) == "-" ? ScriptedPrompts::Kind::Message
                                                              : ScriptedPrompts::Kind::SaveFile);
        EXPECT_EQ(QFile::exists(saved), c.text(4) == "yes");
    }
}

TEST_F(DocumentWindow, MissingOrBrokenDataFilesAreReportedOnceAndScansStillRun) {
    for (const QByteArray &content :
         {QByteArray(), QByteArray(""), QByteArray("<language name=")}) {
        QTemporaryDir folder;
        if (!content.isNull())
            for (const char *name : {"opl.xml", "global.xml"})
                ::writeFile(folder.filePath(name), content);
        ScriptedPrompts quiet;
        mdlMAIN other(folder.path(), quiet);
        other.applyStartDefaults();
        other.start();
        other.MainWindow()->NewDocument(); // nothing asked a second time
        EXPECT_EQ(quiet.messageTexts(),
                  (QStringList{folder.filePath("opl.xml") + "\r\nFile not found!",
                               folder.filePath("global.xml") + "\r\nFile not found!"}));
        frmDocument *doc = other.MainWindow()->activeDocument();
        doc->rtfText->SetText("GLOBAL n%\r\nPROC main:\r\nENDP");
        doc->RESCAN();
        EXPECT_EQ(doc->Tree->topLevelItemCount(), 4);
        EXPECT_EQ(ComponentRegistry::global().findMemberList(doc->MemberListName())->names(),
                  (QStringList{"n%", "main:"}));
        other.MainWindow()->close();
    }
}

TEST_F(DocumentWindow, TwoDocumentsNeverShareTheirListsAndReleaseThemWhenDone) {
    start();
    frmDocument &first = active();
    main().NewDocument();
    frmDocument &second = active();
    EXPECT_NE(first.LanguageName(), second.LanguageName());
    EXPECT_NE(first.MemberListName(), second.MemberListName());

    ComponentRegistry &registry = ComponentRegistry::global();
    const int lists = registry.memberListCount();
    first.rtfText->SetText("GLOBAL counter%\r\n");
    for (int scan = 0; scan < 3; ++scan)
        first.RESCAN();
    EXPECT_EQ(registry.memberListCount(), lists + 1); // earlier scans' lists released
    EXPECT_NE(second.documentLanguage().category("Variables")->words, QStringList{"counter%"});
    // The completion list offers "counter%" in the first document only.
    for (frmDocument *doc : {&first, &second}) {
        doc->rtfText->SetText("GLOBAL counter%\r\ncounte");
        doc->rtfText->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        QTest::keyClick(doc->rtfText, Qt::Key_Space, Qt::ControlModifier);
        EXPECT_EQ(doc->rtfText->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE) != 0,
                  doc == &first);
    }
    const QStringList names = {first.LanguageName(), first.MemberListName(),
                               first.GlobalMemberList().name()};
    prompts.messageAnswers = {MessageAnswer::No}; // not saved
    closeAndDelete(first.parentWidget());
    EXPECT_EQ(registry.findLanguage(names[0]), nullptr);
    EXPECT_EQ(registry.findMemberList(names[1]), nullptr);
    EXPECT_EQ(registry.findMemberList(names[2]), nullptr);
}

TEST_F(DocumentWindow, BinaryAndLongLineFilesOpenScanAndScroll) {
    start();
    QByteArray binary;
    for (int i = 0; i < 200000; ++i)
        binary += char(i * 7 % 256);
    const QByteArray files[] = {binary, QByteArray("GLOBAL a%\0\0b%\r\nPROC x:\r\n", 24),
                                "PRINT " + QByteArray(rtfText::MaxLineLength - 6, 'x') +
                                    "\r\nGLOBAL z%"};
    for (const QByteArray &bytes : files) {
        main().NewDocument();
        frmDocument &doc = active();
        ASSERT_TRUE(doc.loadFile(writeFile("source.opl", bytes)));
        doc.rtfText->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        doc.rtfText->viewport()->grab();
        EXPECT_GE(doc.Tree->topLevelItemCount(), 3);
        closeAndDelete(doc.parentWidget());
    }
}
