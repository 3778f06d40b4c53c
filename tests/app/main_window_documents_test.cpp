#include "document/document_window_fixture.h"

#include "app/window_arrangement.h"
#include "base/settings_file.h"
#include "common/case_file.h"
#include "document/file_drop_filter.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace {

QStringList captions(const frmMain &window) {
    QStringList titles;
    for (const frmDocument *document : window.documents())
        titles << document->windowTitle();
    return titles;
}

} // namespace

using MainWindowDocuments = DocumentWindowFixture;

TEST(WindowArrangement, PiecesFillTheAreaAndIconsRowUpFromTheBottom) {
    const QRect area(0, 0, 301, 200);
    EXPECT_EQ(WindowArrangement::sideBySide(area, 2),
              (QList<QRect>{QRect(0, 0, 150, 200), QRect(150, 0, 151, 200)}));
    EXPECT_EQ(WindowArrangement::stacked(area, 3),
              (QList<QRect>{QRect(0, 0, 301, 66), QRect(0, 66, 301, 67), QRect(0, 133, 301, 67)}));
    EXPECT_EQ(
        WindowArrangement::bottomRow(area, {QSize(120, 30), QSize(120, 30), QSize(120, 30)}),
        (QList<QRect>{QRect(0, 170, 120, 30), QRect(120, 170, 120, 30), QRect(0, 140, 120, 30)}));
}

TEST_F(MainWindowDocuments, FilesFromTheCommandLineOrDroppedOpenAsOpenDoes) {
    const QString a = writeFile("a.opl", "GLOBAL n%\r\nPROC a:"), b = writeFile("b.opl", "B"),
                  c = writeFile("c.opl", "C"), missing = filesDir.filePath("missing.opl");
    // Without files named, start-up reopens the most recent file when it exists, unasked.
    for (const QString &recent : {missing, a}) {
        mdlMAIN other(programDir.path(), prompts);
        other.applyStartDefaults();
        other.settings().RecentFiles[1] = recent;
        ASSERT_TRUE(writeSettingsFile(other.settingsPath(), other.settings()));
        other.start();
        frmMain &w = *other.MainWindow();
        EXPECT_EQ(captions(w) + w.activeDocument()->lstProc << other.settings().RecentFiles[1],
                  recent == a ? QStringList({a, "n%", "a:", a})
                              : QStringList({"Document 1", missing}));
        w.close();
    }
    EXPECT_TRUE(prompts.calls.empty());
    module.applyStartDefaults();
    module.settings().RecentFiles[1] = c;
    ASSERT_TRUE(writeSettingsFile(module.settingsPath(), module.settings()));
    module.start({missing, a}); // instead of the most recent file
    EXPECT_EQ(captions(main()), QStringList{a});
    EXPECT_EQ(prompts.messageTexts(), QStringList{"File not found!\r\n\r\n" + missing});
    EXPECT_EQ(module.settings().RecentFiles[1], a);

    // Qt delivers only the window system's drops; the test hands them to the windows' filters.
    const std::pair<QObject *, QString> drops[] = {{&active(), b}, {&main(), c}};
    for (const auto &[owner, file] : drops) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        auto *filter = owner->findChild<FileDropFilter *>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(filter, nullptr);
        EXPECT_TRUE(filter->eventFilter(owner, &drop));
        EXPECT_TRUE(drop.isAccepted());
    }
    EXPECT_EQ(captions(main()), (QStringList{a, b, c}));
    EXPECT_EQ(module.settings().RecentFiles[1], c);
}

TEST_F(MainWindowDocuments, ToolBarActsOnTheActiveDocumentAlone) {
    module.applyStartDefaults();
    module.settings().LineNumbers = false;
    module.settings().Colours[0] = 0x0000FF;
    module.settings().EditorFont = {"No Such Font", 10, true}; // shows as the fixed-pitch font
    module.start();
    frmMain &w = main();
    frmDocument &first = active();
    w.NewDocument();
    frmDocument &second = active();
    for (const bool on : {true, false}) { // taken from the settings at load, not stored
        w.toolbarButton("Line")->trigger();
        EXPECT_EQ(second.rtfText->LineNumbering(), on);
        EXPECT_FALSE(first.rtfText->LineNumbering());
    }
    EXPECT_EQ(second.rtfText->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE,
                                            QsciScintillaBase::STYLE_LINENUMBER),
              0x0000FF);
    second.resize(400, 300);
    for (const bool shown : {false, true}) {
        w.toolbarButton("Navi")->trigger();
        EXPECT_EQ(second.Tree->isVisible(), shown);
        EXPECT_EQ(second.rtfText->geometry(),
                  shown ? QRect(110, 10, 290, 290) : QRect(10, 10, 390, 290));
    }
    EXPECT_TRUE(first.NavigatorVisible());
    prompts.fontAnswers = {std::nullopt, FontChoice{"DejaVu Serif", 14.123456, false, true}};
    QByteArray shownFont(64, '\0');
    first.rtfText->SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, 0ul,
                                 static_cast<void *>(shownFont.data()));
    EXPECT_EQ(shownFont.constData(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    w.toolbarButton("Font")->trigger(); // cancelled: nothing changes
    EXPECT_EQ(prompts.calls.at(0).font, (FontChoice{"No Such Font", 10, true}));
    EXPECT_EQ(module.settings().EditorFont, (EditorFontSetting{"No Such Font", 10, true}));
    w.toolbarButton("Font")->trigger();
    EXPECT_EQ(module.settings().EditorFont,
              (EditorFontSetting{"DejaVu Serif", 14.1235, false, true}));
    EXPECT_EQ(second.rtfText->SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, 0), 14);
    EXPECT_EQ(first.rtfText->SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, 0), 10);
}

// A document alone fills the frame; later ones keep their size until arranged.
TEST_F(MainWindowDocuments, RefreshRescansAndTheWindowMenuArrangesTheDocuments) {
    frmMain &w = start();
    w.resize(900, 700);
    w.show();
    w.mnuWindowNewWindow->trigger();
    EXPECT_NE(w.activeChild()->geometry(), w.mdiArea->viewport()->rect());
    for (frmDocument *document : w.documents())
        closeAndDelete(document->parentWidget());
    w.mnuFileNew->trigger();
    EXPECT_EQ(w.activeChild()->geometry(), w.mdiArea->viewport()->rect());
    QWidget *first = active().parentWidget();
    active().rtfText->SetText("GLOBAL n%\r\nPROC main:");
    w.mnuFileRefresh->trigger();
    EXPECT_EQ(active().lstProc, (QStringList{"n%", "main:"}));

    w.NewDocument();
    const QRect area = w.mdiArea->viewport()->rect();
    w.mnuWindowTileVertical->trigger();
    EXPECT_EQ(active().parentWidget()->geometry(), WindowArrangement::sideBySide(area, 2)[1]);
    w.mnuWindowTileHorizontal->trigger();
    EXPECT_EQ(first->geometry(), WindowArrangement::stacked(area, 2)[0]);
    first->showMinimized();
    w.mnuWindowArrangeIcons->trigger();
    EXPECT_EQ(first->geometry().bottomLeft(), area.bottomLeft());
}

// Each key does its one thing once: the editor keeps its own editing keys, the menus take the
// rest, and from the navigator the menus take the editing keys too.
TEST_F(MainWindowDocuments, KeysReachTheirCommandOnceAndAltLettersOpenTheMenus) {
    frmMain &w = start();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QHash<QString, int> fired;
    for (QAction *action : w.findChildren<QAction *>())
        QObject::connect(action, &QAction::triggered, &w,
                         [&fired, action] { ++fired[action->objectName()]; });
    QGuiApplication::clipboard()->setText("ab");
    for (const CaseLine &row : readCases("app/keys.txt", 4)) {
        SCOPED_TRACE(row.line);
        const QKeyCombination key = QKeySequence::fromString(row.text(1))[0];
        fired.clear();
        QWidget *target =
            row.text(0) == "tree" ? static_cast<QWidget *>(active().Tree) : active().rtfText;
        target->setFocus();
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(fired, (row.text(2) != "-" ? QHash<QString, int>{{row.text(2), 1}}
                                             : QHash<QString, int>{}));
        EXPECT_EQ(active().rtfText->Text(), row.text(3));
        if (row.text(1) == "Alt+F") {
            EXPECT_TRUE(w.mnuFile->isVisible());
            w.mnuFile->close();
        }
    }
}
