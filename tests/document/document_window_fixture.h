#pragma once

#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "common/scripted_prompts.h"
#include "common/test_paths.h"
#include "document/frm_document.h"
#include "document/rtf_text.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

// Answers and records as ScriptedPrompts does, and lets a test look at the windows while a
// message box is up.
class WatchedPrompts final : public Prompts {
public:
    ScriptedPrompts script;
    std::function<void(const QString &text)> whileMessageShown;

    MessageAnswer message(const QString &text, const QString &title, MessageIcon icon,
                          MessageButtons buttons) override {
        if (whileMessageShown)
            whileMessageShown(text);
        return script.message(text, title, icon, buttons);
    }
    std::optional<QString> input(const QString &p, const QString &t, const QString &i) override {
        return script.input(p, t, i);
    }
    QString openFileName(const FileDialogRequest &r) override { return script.openFileName(r); }
    QString saveFileName(const FileDialogRequest &r) override { return script.saveFileName(r); }
    std::optional<std::uint32_t> colour(std::uint32_t c) override { return script.colour(c); }
    std::optional<FontChoice> font(const FontChoice &f) override { return script.font(f); }
    bool print(QPrinter &printer, int flags) override { return script.print(printer, flags); }
    void setParentWidget(QWidget *) override {}
};

// A program folder with the language and the vocabulary, a settings store of the test's own,
// and the main window over them with its first document.
class DocumentWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(programDir.isValid() && storeDir.isValid() && filesDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
        QApplication::setQuitOnLastWindowClosed(false);
        for (const char *name : {"opl.xml", "global.xml"})
            ASSERT_TRUE(QFile::copy(builtProgramDir() + '/' + name, programDir.filePath(name)));
    }

    frmMain &start() {
        module.applyStartDefaults();
        module.start();
        return *module.MainWindow();
    }
    frmMain &main() { return *module.MainWindow(); }
    frmDocument &active() { return *main().activeDocument(); }

    // The active document with `text`, scanned.
    frmDocument &scanned(const QString &text) {
        frmDocument &document = active();
        document.rtfText->SetText(text);
        document.RESCAN();
        return document;
    }

    QString writeFile(const QString &name, const QByteArray &bytes) {
        const QString path = filesDir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static void closeAndDelete(QWidget *window) {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir programDir, storeDir, filesDir;
    WatchedPrompts watched;
    ScriptedPrompts &prompts = watched.script;
    mdlMAIN module{programDir.path(), watched};
};
