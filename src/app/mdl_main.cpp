#include "app/mdl_main.h"

#include "analysis/document_language.h"
#include "app/frm_main.h"
#include "base/document_identity.h"
#include "base/prompts.h"
#include "base/settings_file.h"
#include "document/editor_fonts.h"
#include "document/frm_document.h"

#include <QDir>
#include <cmath>

mdlMAIN::mdlMAIN(const QString &programFolder, Prompts &prompts)
    : m_programFolder(programFolder), m_prompts(prompts) {}

mdlMAIN::~mdlMAIN() = default;

QString mdlMAIN::settingsPath() const {
    return QDir(m_programFolder).filePath(QStringLiteral("tamro.ini"));
}

QString mdlMAIN::documentFolder() const {
    const frmDocument *active = m_mainWindow ? m_mainWindow->activeDocument() : nullptr;
    return DocumentIdentity::dialogFolder(active ? active->windowTitle() : QString(),
                                          m_settings.RecentFiles[1]);
}

void mdlMAIN::applyStartDefaults() {
    m_settings.EditorFont.Name = EditorFonts::defaultName();
    m_settings.EditorFont.Size = EditorFonts::DefaultSize;
    m_settings.LineNumbers = true;
    m_settings.Colours[0] = 8421504;
    // The syntax colours start as the language definition gives them, so code shows in colour
    // before any setting was stored; without the file they stay black.
    DocumentLanguage language;
    if (language.load(QDir(m_programFolder).filePath(QStringLiteral("opl.xml"))))
        for (int index = 1; index <= 10; ++index)
            if (const auto colour = language.colour(LanguageCategory::ByColourIndex[index - 1]))
                m_settings.Colours[index] = *colour;
    m_settings.WaitSeconds = 6.0f;
    m_settings.SaveEncoding = 1;
}

void mdlMAIN::start(const QStringList &files) {
    m_mainWindow = std::make_unique<frmMain>(*this);
    m_prompts.setParentWidget(m_mainWindow.get());
    m_mainWindow->MDIForm_Load(!files.isEmpty());
    m_mainWindow->show();
    if (files.isEmpty())
        return;
    m_mainWindow->openFiles(files);
    if (m_mainWindow->documents().isEmpty())
        m_mainWindow->NewDocument();
}

void mdlMAIN::LoadSettings() {
    const bool complete = readSettingsFile(settingsPath(), m_settings);
    if (!m_mainWindow)
        return;
    for (int i = 1; i <= 3; ++i) {
        if (!m_settings.RecentFiles[i].isEmpty())
            m_mainWindow->showRecentFileEntry(i, m_settings.RecentFiles[i]);
    }
    if (!complete || !FileExists(m_settings.Paths[1]))
        m_mainWindow->setTranslatorCommandsEnabled(false);
}

void mdlMAIN::SaveSettings() {
    const bool written = writeSettingsFile(settingsPath(), m_settings);
    if (!m_mainWindow)
        return;
    if (!written)
        m_mainWindow->setTranslatorCommandsEnabled(false);
    else if (FileExists(m_settings.Paths[1]))
        m_mainWindow->setTranslatorCommandsEnabled(true);
}

void mdlMAIN::ChooseEditorFont() {
    EditorFontSetting &font = m_settings.EditorFont;
    const std::optional<FontChoice> chosen =
        m_prompts.font(FontChoice{font.Name, font.Size, font.Bold, font.Italic});
    if (!chosen)
        return;
    font.Name = chosen->name;
    font.Bold = chosen->bold;
    font.Italic = chosen->italic;
    font.Size = std::round(chosen->size * 10000.0) / 10000.0;
}
