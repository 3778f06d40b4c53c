#include "main_window_fixture.h"

#include "app/qt_prompts.h"
#include "base/settings_file.h"

#include <QDir>
#include <QFontDialog>
#include <QTimer>

using Module = MainWindowFixture;

TEST_F(Module, TheRealFontDialogOffersTheFontsOwnStyleAndOkWithoutAChangeKeepsTheFont) {
    QtPrompts real;
    mdlMAIN withDialog(programDir.path(), real);
    EditorFontSetting &font = withDialog.settings().EditorFont;
    const struct {
        EditorFontSetting before;
        QString pick; // a family picked in the dialog before OK
        EditorFontSetting after;
    } rows[] = {
        {{"DejaVu Sans Mono", 9.75, true, true}, {}, {"DejaVu Sans Mono", 9.75, true, true}},
        {{"DejaVu Sans Mono", 10, false, true}, "DejaVu Serif", {"DejaVu Serif", 11, true}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.before.Name.toStdString());
        font = row.before;
        std::optional<QFont> offered;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            offered = dialog->currentFont();
            if (!row.pick.isEmpty())
                dialog->setCurrentFont(QFont(row.pick, 11, QFont::Bold));
            dialog->accept();
        });
        withDialog.ChooseEditorFont();
        ASSERT_TRUE(offered);
        EXPECT_EQ(offered->bold(), row.before.Bold);
        EXPECT_EQ(offered->italic(), row.before.Italic);
        EXPECT_EQ(font, row.after);
    }
}

// Saving enables the translator items when the translator exists (see the loading table); a
// settings file that cannot be written disables them, without a message.
TEST_F(Module, ASettingsFileThatCannotBeWrittenDisablesTheTranslatorItemsUnreported) {
    frmMain &w = start();
    writeFile(programDir.filePath("OPLTRAN.EXE"), {});
    module.settings().Paths[1] = programDir.filePath("OPLTRAN.EXE");
    module.SaveSettings();
    EXPECT_TRUE(w.mnuFileTranslate->isEnabled() && w.mnuFileTransConv->isEnabled());
    ASSERT_TRUE(QFile::remove(module.settingsPath()));
    ASSERT_TRUE(QDir(programDir.path()).mkdir("tamro.ini"));
    module.SaveSettings();
    EXPECT_FALSE(w.mnuFileTranslate->isEnabled());
    EXPECT_TRUE(prompts.calls.empty());
}
