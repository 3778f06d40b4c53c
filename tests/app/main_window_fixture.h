#pragma once

#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "common/qstring_printer.h"
#include "common/scripted_prompts.h"
#include "common/test_paths.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A program folder and a settings store of the test's own, and the module over them.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(programDir.isValid());
        ASSERT_TRUE(storeDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, storeDir.path());
        QApplication::setQuitOnLastWindowClosed(false);
        // The first document reads the language and the vocabulary from the program folder.
        for (const char *name : {"opl.xml", "global.xml"})
            QFile::copy(builtProgramDir() + '/' + name, programDir.filePath(name));
    }

    frmMain &start() {
        module.applyStartDefaults();
        module.start();
        return *module.MainWindow();
    }

    static QSettings store() { return QSettings(QStringLiteral("Tamro"), QStringLiteral("Tamro")); }

    QTemporaryDir programDir;
    QTemporaryDir storeDir;
    ScriptedPrompts prompts;
    mdlMAIN module{programDir.path(), prompts};
};
