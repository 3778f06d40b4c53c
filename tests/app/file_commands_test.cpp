#include "app/recent_files.h"
#include "base/disk_file.h"
#include "base/document_identity.h"
#include "base/settings_file.h"
#include "common/case_file.h"
#include "common/golden_file.h"
#include "document/disk_watch.h"
#include "document/document_window_fixture.h"
#include "translator/batch_file.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QToolBar>

namespace {

TEST(RecentFileList, AListedPathMovesToTheFrontAndNoPathShowsTwice) {
    std::array<QString, 4> list;
    QStringList seen;
    // tamro.ini cannot store a double quote: such a path is not remembered.
    for (const char *path : {"a", "b", "c", "b", "c", "c", "a", "A", "say \"hi\""}) {
        RecentFileList::add(list, path);
        seen << list[1] + list[2] + list[3];
    }
    EXPECT_EQ(seen, (QStringList{"a", "ba", "cba", "bca", "cba", "cba", "acb", "Aac", "Aac"}));
    EXPECT_TRUE(DocumentIdentity::isUntitled("Document 2"));
    EXPECT_FALSE(DocumentIdentity::isUntitled("document 2"));
}

class FileCommands : public DocumentWindowFixture {
protected:
    void SetUp() override {
        DocumentWindowFixture::SetUp();
        start();
    }
    // The Window menu's list, the active entry marked "<", then the recent files.
    QStringList captionsAndRecentFiles() {
        QStringList all;
        Q_EMIT main().mnuWindow->aboutToShow();
        for (const QAction *entry : main().mnuWindow->actions().mid(7))
            all << entry->text() + (entry->isChecked() ? "<" : "");
        const AppSettings &s = module.settings();
        return all << "|" << s.RecentFiles[1] << s.RecentFiles[2] << s.RecentFiles[3];
    }
    void trigger(QAction *item, const QString &dialogAnswer = {}) {
        prompts.clear();
        prompts.fileAnswers = {dialogAnswer};
        item->trigger();
    }
    // The one message since the last trigger, which must be critical, "Tamro" and OK only.
    QString report() {
        const std::vector<ScriptedPrompts::Call> shown = prompts.messages();
        const bool ok = shown.size() == 1 && shown[0].title == "Tamro" &&
                        shown[0].icon == MessageIcon::Critical &&
                        shown[0].buttons == MessageButtons::Ok;
        return ok ? shown[0].text : "<" + prompts.messageTexts().join('|') + ">";
    }
};

// Saves of a document, the settings and the batch file once a flush fails as on a full disk:
// each fails with the system's reason and leaves the old bytes.
TEST_F(FileCommands, AFlushThatFailsFailsEverySaveAndLosesNothing) {
    const QString names[] = {"prog.opl", "tamro.ini", "opltran.bat"};
    for (const QString &name : names)
        ASSERT_TRUE(DiskFile::replace(filesDir.filePath(name), "old " + name.toUtf8()).ok);
    trigger(main().mnuFileOpen, filesDir.filePath("prog.opl"));
    frmDocument &document = active();
    document.rtfText->SetText("PRINT \"new\"");
    const QString full = "No space left on device";
    const DiskFile::FlushFault fault(full);
    writeFile("filler", "");
    trigger(main().mnuFileSave);
    EXPECT_EQ(report(), full);
    EXPECT_TRUE(document.rtfText->Modified());
    prompts.clear();
    prompts.messageAnswers = {MessageAnswer::Yes};
    EXPECT_FALSE(document.parentWidget()->close()); // Close + Yes keeps the window
    EXPECT_EQ(prompts.messageTexts().value(1), full);
    EXPECT_EQ(document.rtfText->Text(), "PRINT \"new\"");
    EXPECT_FALSE(writeSettingsFile(filesDir.filePath("tamro.ini"), module.settings()));
    EXPECT_EQ(writeBatchFile(filesDir.filePath("opltran.bat"), "true").error, full);
    for (const QString &name : names)
        EXPECT_EQ(readAll(filesDir.filePath(name)), "old " + name.toUtf8());
    EXPECT_EQ(QDir(filesDir.path()).entryList(QDir::Files).size(), 4); // + the filler, no temporary
}

// Failed saves, Open, the recent files, Close, Save and Exit in one session: after each step the
// Window menu, the recent files, the active text, whether it is changed, its procedures, any
// message and the file dialogs asked with their folders.
TEST_F(FileCommands, ASessionOfFileCommandsAsTheGoldenFileShowsIt) {
    QString shown;
    const auto note = [&](const QString &step, const QString &file = {}) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const frmDocument *doc = main().activeDocument();
        QString asked;
        for (const ScriptedPrompts::Call &call : prompts.calls)
            if (call.kind != ScriptedPrompts::Kind::Message)
                asked += "\n  asked: " + call.text + " in " + call.file.folder;
        const QString text =
            doc ? doc->rtfText->Text().replace("\r", "\\r").replace("\n", "\\n") : "-";
        shown += step + ": " + captionsAndRecentFiles().join(' ') + "\n  " + text +
                 (doc && doc->rtfText->Modified() ? " *" : "") +
                 (doc ? " procedures " + doc->lstProc.join(',') : "") + "\n  " +
                 prompts.boxes().join("\n  ").replace("\r\n", "\\r\\n") +
                 (file.isEmpty() ? "" : "\n  file " + readAll(file).toPercentEncoding(" \"")) +
                 asked + '\n';
        prompts.clear();
    };
    // Saves that cannot be written: each reports why, and the window and the folder stay.
    writeFile("plain", "x");
    ASSERT_TRUE(QDir(filesDir.path()).mkdir("folder"));
    active().rtfText->SetText("unsaved work");
    for (const QString name : {"vanished/a.opl", "plain/a.opl", "folder"})
        for (QAction *item : {main().mnuFileSave, main().mnuFileSaveAs}) {
            trigger(item, filesDir.filePath(name));
            note(item->objectName() + ' ' + name);
        }
    EXPECT_EQ(QDir(filesDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"folder", "plain"}));
    EXPECT_TRUE(QDir(filesDir.filePath("folder")).isEmpty());
    const QString b = writeFile("b.opl", "B"), c = writeFile("c & d.opl", "C");
    const QString opened[] = {b, c, filesDir.path() + "/./b.opl", "", filesDir.filePath("x.opl")};
    for (const QString &path : opened) { // the first from the tool bar
        trigger(&path == opened ? main().toolbarButton("Öffnen") : main().mnuFileOpen, path);
        note("open " + path);
    }
    main().mnuFileMRU[2]->trigger();
    note("recent 2 (" + main().mnuFileMRU[1]->text() + ")");
    closeAndDelete(active().parentWidget());
    main().mnuFileMRU[1]->trigger();
    note("close, recent 1");
    closeAndDelete(active().parentWidget());
    ASSERT_TRUE(QFile::remove(c));
    trigger(main().mnuFileMRU[1]);
    note("close, remove, recent 1");
    main().showRecentFileEntry(3, "/proc/self/mem"); // a regular file that cannot be read
    trigger(main().mnuFileMRU[3]);
    note("recent 3, unreadable");

    const QString path = writeFile("session.opl", "PROC main:\nPRINT 1\nENDP\n");
    trigger(main().mnuFileOpen, path);
    active().rtfText->SetSel({0, 2, 1, 0}, true);
    main().mnuEditCom->trigger();
    EXPECT_EQ(active().rtfText->GetSel(false), (TextRange{0, 2, 1, 0}));
    main().mnuEditUndo->trigger();
    note("open, comment, undo");
    for (QAction *item :
         {main().mnuEditRedo, main().mnuFileSave, main().mnuFileClose, main().mnuFileMRU[1]})
        item->trigger();
    note("redo, save, close, recent 1", path);

    const QString prog = filesDir.filePath("prog.opl");
    main().NewDocument();
    active().rtfText->SetText("PROC main:\nPRINT \"Grüße €\"");
    trigger(main().mnuFileSave, prog);
    note("new, save, asked", prog);
    main().tbToolBar_ButtonMenuClick("UTF8"); // the bytes of each format: RtfTextFile
    trigger(main().mnuFileSave);
    note("save as UTF-8, not asked", prog);
    main().tbToolBar_ButtonMenuClick("ASCII");
    active().rtfText->SetText("PRINT 1\r\nPRINT \"✓\"");
    trigger(main().mnuFileSave);
    note("save as ASCII", prog);
    main().mnuWindow->actions()[8]->trigger();
    note("window 2");
    prompts.messageAnswers = {MessageAnswer::Cancel}; // the first changed document stops the quit
    main().mnuFileExit->trigger();
    note("exit, cancelled");
    EXPECT_FALSE(QFile::exists(module.settingsPath()));
    prompts.messageAnswers = {MessageAnswer::No, MessageAnswer::No};
    main().mnuFileExit->trigger();
    note("exit, not saved");
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(readAll(module.settingsPath()).startsWith('"' + prog.toUtf8() + "\"\r\n"));
    expectGolden(shown.replace(filesDir.path(), "<dir>"), "app/file_session.golden.txt");
}

TEST_F(FileCommands, EditItemsActOnTheActiveEditorOnlyAndWithoutOneNothingButNewAndOpen) {
    QGuiApplication::clipboard()->setText("<clip>");
    for (const CaseLine &row : readCases("app/edit_items.txt", 5)) {
        main().NewDocument();
        rtfText &editor = *active().rtfText;
        editor.SetText(row.text(1));
        editor.SetSel({0, row.text(2).toInt(), 0, row.text(2).toInt()}, true);
        main().findChild<QAction *>(row.text(0))->trigger();
        EXPECT_EQ(editor.Text() + '|' + QString::number(editor.GetSel(false).endColumn),
                  row.text(3) + '|' + row.text(4))
            << row.line;
    }
    rtfText &editor = *active().rtfText;
    editor.SetText("hello world");
    editor.SetSel({0, 6, 0, 11}, true);
    main().mnuEditCopy->trigger();
    editor.SetSel({0, 0, 0, 5}, true);
    main().mnuEditCut->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text() + editor.Text(), "hello world");

    for (frmDocument *document : main().documents()) {
        prompts.messageAnswers.push_back(MessageAnswer::No); // changed: not saved
        closeAndDelete(document->parentWidget());
    }
    prompts.clear();
    const QStringList opening{"mnuFileNew",         "mnuFileOpen", "mnuFileExit",
                              "mnuWindowNewWindow", "Neu",         "Öffnen"};
    for (QAction *item : main().mnuEdit->actions() + main().mnuFile->actions() +
                             main().tbToolBar->actions() + main().mnuWindow->actions())
        if (item->isVisible() && !opening.contains(item->objectName()))
            item->trigger();
    EXPECT_TRUE(prompts.calls.empty()); // neither Print nor Execute Command asks
    EXPECT_TRUE(main().documents().isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "hello");
}

} // namespace

// Another program writes or deletes the open file between the steps; the frame marks
// unsaved text while the caption stays the path.
TEST_F(FileCommands, FilesChangedOnDiskAreReloadedOrKeptAndNeverOverwrittenUnasked) {
    const QString path = writeFile("d.opl", "PRINT 1");
    trigger(main().mnuFileOpen, path);
    frmDocument &doc = active();
    const QWidget *frame = doc.parentWidget(); // marks unsaved text; the caption stays the path
    EXPECT_EQ(frame->windowTitle(), path + "[*]");
    const QHash<QString, QString> messages{{"reload", DiskWatch::reloadQuestion(path)},
                                           {"deleted", DiskWatch::deletedReport(path)},
                                           {"overwrite", DiskWatch::overwriteQuestion(path)}};
    for (const CaseLine &step : readCases("app/changed_on_disk.txt", 7)) {
        SCOPED_TRACE(step.line);
        if (step.text(0) == "deleted")
            QFile::remove(path);
        else if (step.text(0) != "-")
            writeFile("d.opl", step.fields[0]);
        prompts.clear();
        if (step.text(2) != "-")
            prompts.messageAnswers.push_back(step.text(2) == "Yes" ? MessageAnswer::Yes
                                                                   : MessageAnswer::No);
        if (step.text(1) == "save")
            main().mnuFileSave->trigger();
        else
            Q_EMIT qApp->applicationStateChanged(Qt::ApplicationActive);
        EXPECT_EQ(prompts.messageTexts().join('|'), messages.value(step.text(3)));
        EXPECT_EQ(doc.rtfText->Text(), step.text(4));
        EXPECT_EQ(readAll(path), step.fields[5]);
        EXPECT_EQ(doc.rtfText->Modified(), step.text(6) == "yes");
        EXPECT_EQ(frame->isWindowModified(), step.text(6) == "yes");
        EXPECT_EQ(doc.windowTitle(), path);
    }
}
