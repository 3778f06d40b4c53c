#pragma once

#include "base/app_host.h"
#include "base/app_settings.h"

#include <QString>
#include <QStringList>
#include <memory>

class Prompts;
class frmMain;

// The application module: the settings record, the program folder, the dialogs and the one
// main window, for the life of the process.
class mdlMAIN : public AppHost {
public:
    mdlMAIN(const QString &programFolder, Prompts &prompts);
    ~mdlMAIN();

    AppSettings &settings() override { return m_settings; }
    Prompts &prompts() override { return m_prompts; }
    QString programFolder() const override { return m_programFolder; }
    QString documentFolder() const override;
    QString settingsPath() const;
    frmMain *MainWindow() const { return m_mainWindow.get(); }

    // The start-up defaults: editor font, line numbers, the colours (the syntax colours from
    // opl.xml in the program folder), wait time and save format.
    void applyStartDefaults();
    // Creates the main window, loads it and shows it, then opens `files` as Open does (an
    // empty document when none opens) instead of the most recent file.
    void start(const QStringList &files = {});

    // Reads tamro.ini into the settings and shows the recent files in the File menu. The
    // translator commands are disabled when the translator is missing or the file could not
    // be read whole.
    void LoadSettings();
    // Writes tamro.ini. The translator commands are enabled when the translator exists, and
    // disabled when the file could not be written.
    void SaveSettings() override;

    // The font dialog seeded with the editor font; a choice replaces it, Cancel keeps it.
    void ChooseEditorFont() override;

private:
    QString m_programFolder;
    Prompts &m_prompts;
    AppSettings m_settings;
    std::unique_ptr<frmMain> m_mainWindow; // last, so it goes before the settings it uses
};
