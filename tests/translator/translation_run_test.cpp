// The translation run on the main window's active document, through opltran.bat and /bin/sh.
#include "app/translation_run.h"
#include "document/document_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScopeGuard>
#include <QTest>
#include <QToolBar>
#include <functional>

// The stand-in as the translator, a program folder with LOG, and the main window.
class TranslationRunTest : public DocumentWindowFixture {
protected:
    QString tr = filesDir.filePath("OPLTRAN.EXE"), batch = programDir.filePath("opltran.bat");
    QString logPath = programDir.filePath("LOG/tpl5_12_2026_36512.log");
    QString shell = "/bin/sh";
    std::function<void()> whileWaiting = [] {
    };
    QStringList waits; // the interface as each wait found it

    void SetUp() override {
        DocumentWindowFixture::SetUp();
        ASSERT_TRUE(QDir(programDir.path()).mkdir("LOG") && QFile::copy(TAMRO_FAKE_OPLTRAN, tr));
        QFile::setPermissions(tr, QFile::ReadOwner | QFile::ExeOwner);
        module.applyStartDefaults();
        module.start();
        module.settings().Paths[1] = tr;
        module.settings().WaitSeconds = 6; // the wait ends with the stand-in
    }
    // The caret's line and the colour of `line` while a box is up.
    void watchLine(frmDocument &doc, int line, QString &seen) {
        prompts.onMessage = [&doc, line, &seen] {
            seen = QString("%1 %2")
                       .arg(doc.rtfText->GetSel(false).endLine)
                       .arg(doc.rtfText->lineColor(line));
        };
    }
    // Caption, then 1/0 for: editor enabled, document window enabled and maximised, the five
    // menus enabled, the tool bar shown, the Palette item checked.
    QString state(frmDocument &doc) {
        QString flags;
        const auto *frame = qobject_cast<QMdiSubWindow *>(doc.parentWidget());
        for (const QWidget *w : {static_cast<QWidget *>(doc.rtfText), doc.parentWidget()})
            flags += w->isEnabled() ? '1' : '0';
        flags += frame->isMaximized() ? '1' : '0';
        for (const QMenu *menu :
             {main().mnuWindow, main().mnuEdit, main().mnuView, main().mnuFile, main().mnuHelp})
            flags += menu->isEnabled() ? '1' : '0';
        flags += main().tbToolBar->isVisible() ? '1' : '0';
        return doc.windowTitle() + '|' + flags + (main().mnuViewToolbar->isChecked() ? '1' : '0');
    }
    // A run on the active document; at the start of its wait the interface and the status
    // bar are recorded and whileWaiting runs.
    void translate() {
        prompts.clear();
        frmDocument *doc = main().activeDocument();
        TranslationRun run(main(), module);
        run.runOptions.shell = shell;
        run.runOptions.now = [] {
            return QDateTime(QDate(2026, 12, 5), QTime(10, 8, 32));
        };
        run.runOptions.progress = [&, doc](std::chrono::milliseconds elapsed,
                                           std::chrono::milliseconds limit) {
            if (elapsed.count() > 0)
                return;
            waits << state(*doc) + '|' + QString::number(limit.count()) + '|' +
                         main().statusPanelText();
            whileWaiting();
        };
        run.exec();
    }
};

// While the run waits nothing closes, no command reaches the document, and another document
// comes forward; the run keeps to its own.
TEST_F(TranslationRunTest, AModifiedDocumentIsSavedTranslatedAndTakenToItsFirstErrorLine) {
    QApplication::setActiveWindow(&main());
    const QString inc = filesDir.filePath("inc/"), out = filesDir.filePath("out/");
    module.settings().Paths[2] = inc;
    module.settings().Paths[3] = out;
    frmDocument &doc = *main().activeDocument();
    ASSERT_TRUE(doc.loadFile(writeFile("Game.opl", "PROC main:\r\nENDP\r\n")));
    const QString path = doc.windowTitle(), text = "PROC main:\r\n  BAD x\r\n  BAD y\r\nENDP";
    doc.rtfText->SetText(text);
    main().mnuFileTrans->menuAction()->setVisible(false);
    // A save that took the running caption for its path would land in the current folder.
    const QString folder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(filesDir.path()));
    const auto back = qScopeGuard([&] { QDir::setCurrent(folder); });
    QString closed, changed = "changed\r\nwhile\r\nwaiting";
    whileWaiting = [&] {
        closed =
            QString("%1%2%3").arg(main().close()).arg(doc.parentWidget()->close()).arg(doc.close());
        doc.rtfText->SetText(changed);
        QTest::keyClick(&main(), Qt::Key_S, Qt::ControlModifier);
        main().tbToolBar_ButtonClick("Translate"); // no second run inside the first
        main().NewDocument();
    };
    QString whileShown;
    watchLine(doc, 1, whileShown);
    QElapsedTimer clock;
    clock.start();
    translate();
    EXPECT_LT(clock.elapsed(), 3000) << "the wait ends with the translator, not after 6 s";
    EXPECT_EQ(readAll(path), text.toUtf8());
    EXPECT_EQ(readAll(batch),
              (tr + ' ' + path + " -i" + inc + " -o" + out + "  >> " + logPath + '\n').toUtf8());
    EXPECT_EQ(waits, QStringList{">>>> TRANSLATING <<<<|0010000001|6000|OPLTRAN.EXE is "
                                 "translating Game.opl: 0 s (waiting up to 6 s)"});
    EXPECT_EQ(whileShown, "1 56540");
    EXPECT_FALSE(main().statusPanelText().contains("translating"));
    EXPECT_EQ(main().activeDocument(), &doc);
    EXPECT_EQ(prompts.boxes(), QStringList{"Syntax error\r\n\r\n Line 2 | Tamro | Critical | Ok"});
    EXPECT_EQ(doc.rtfText->lineColor(1), rtfText::NormalLineColour);
    EXPECT_EQ(state(doc), path + "|1111111111");
    EXPECT_TRUE(main().mnuFileTrans->menuAction()->isVisible());
    EXPECT_EQ(closed, "000");
    EXPECT_EQ(QDir(filesDir.path()).entryList(QDir::Files).join('|'), "Game.opl|OPLTRAN.EXE");
    QTest::keyClick(&main(), Qt::Key_S, Qt::ControlModifier); // the key reaches the window
    EXPECT_EQ(readAll(path), changed.toUtf8());
}

// What each log says is the log reader's (tests/data/translator/logs.txt); here: the icon,
// that only an error in the document itself moves the caret and colours a line, and runs
// that fail on the batch file or the log folder. The whole interface comes back each time.
TEST_F(TranslationRunTest, TheIconAndTheCaretFollowTheKindOfLog) {
    frmDocument &doc = *main().activeDocument();
    ASSERT_TRUE(doc.loadFile(writeFile("Game.tpl", "PRINT 1\r\nPRINT 2\r\n")));
    const QString path = doc.windowTitle(), out = filesDir.filePath("Game");
    const QDir folder(programDir.path());
    const struct {
        QString log, shown;
    } cases[] = {
        {"[OutputPath=" + out + "\r\n", ".opo - File not found!\r\n | Tamro | None | Ok"},
        {"Error LOC::/inc/Const.oph 2: Bad:\r\n", "/inc/Const.oph Line 2 | Tamro | Critical | Ok"},
        {"", "Filename refers to a directory | Tamro | Critical | Ok"},
        {"", "File not found!\r\n\r\ntpl5_12_2026_36512.log | Tamro | Critical | Ok"},
    };
    shell = "/bin/true";
    main().mnuViewToolbar->trigger(); // hidden before the runs, shown after each
    for (const auto &c : cases) {
        if (&c == &cases[2]) {
            ASSERT_TRUE(QFile::remove(batch) && folder.mkdir("opltran.bat"));
        } else if (&c == &cases[3]) {
            ASSERT_TRUE(folder.rmdir("opltran.bat") &&
                        QFileInfo(logPath).dir().removeRecursively());
        }
        whileWaiting = [&] {
            if (!c.log.isEmpty())
                ::writeFile(logPath, c.log.toUtf8());
        };
        QString during;
        watchLine(doc, 1, during);
        doc.rtfText->SetSel({}, false);
        translate();
        ASSERT_EQ(prompts.boxes().size(), 1);
        EXPECT_TRUE(prompts.boxes()[0].endsWith(c.shown)) << prompts.boxes()[0].toStdString();
        EXPECT_EQ(during, "0 16777215");
        EXPECT_EQ(state(doc), path + "|1111111111");
    }
    EXPECT_EQ(waits.size(), 3) << "no wait without a batch file";
}

// Runs that stop before the translator: a check shows its message; a save that was cancelled
// or failed ends the run with no message of its own. The interface is left alone.
TEST_F(TranslationRunTest, RunsThatStopBeforeTheTranslatorTouchNothing) {
    const QString none = filesDir.path(), lost = filesDir.filePath("gone/G.opl"); // a folder
    const struct {
        QString caption, text, translator;
        QString shown; // "" for none
    } cases[] = {
        {lost, "", tr, "Please save yor work first! | Tamro | Exclamation | Ok"},
        {lost, "PRINT 1", none,
         "OPLTRAN.EXE not found at the specified path! | Tamro | Critical | Ok"},
        {"Document 1", "PRINT 1", tr, ""}, // the save dialog is cancelled
        {lost, " ", tr, "No such file or directory | Tamro | Critical | Ok"}, // the save's own
    };
    frmDocument &doc = *main().activeDocument();
    for (const auto &c : cases) {
        doc.setWindowTitle(c.caption);
        doc.rtfText->SetText(c.text);
        if (c.translator != tr) // unmodified, so the check comes before any save
            doc.rtfText->setModified(false);
        module.settings().Paths[1] = c.translator;
        const QString before = state(doc);
        prompts.clear();
        main().tbToolBar_ButtonClick("Translate"); // runs even with the menu entry disabled
        EXPECT_EQ(prompts.boxes().join('\n'), c.shown);
        EXPECT_EQ(state(doc), before);
    }
    EXPECT_TRUE(waits.isEmpty());
    EXPECT_FALSE(QFile::exists(batch));
}
