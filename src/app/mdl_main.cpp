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
    : programFolder_(programFolder), prompts_(prompts) {}

mdlMAIN::~mdlMAIN() = default;

QString mdlMAIN::settingsPath() const {
    return QDir(programFolder_).filePath(QStringLiteral("tamro.ini"));
}

QString mdlMAIN::documentFolder() const {
    const frmDocument *active = mainWindow_ ? mainWindow_->activeDocument() : nullptr;
    return DocumentIdentity::dialogFolder(active ? active->windowTitle() : QString(),
                                          settings_.RecentFiles[1]);
}

void mdlMAIN::applyStartDefaults() {
    settings_.EditorFont.Name = EditorFonts::defaultName();
    settings_.EditorFont.Size = EditorFonts::DefaultSize;
    settings_.LineNumbers = true;
    settings_.Colours[0] = 8421504;
    // The syntax colours start as the language definition gives them, so code shows in colour
    // before any setting was stored; without the file they stay black.
    DocumentLanguage language;
    if (language.load(QDir(programFolder_).filePath(QStringLiteral("opl.xml"))))
        for (int index = 1; index <= 10; ++index)
            if (const auto colour = language.colour(LanguageCategory::ByColourIndex[index - 1]))
                settings_.Colours[index] = *colour;
    settings_.WaitSeconds = 6.0f;
    settings_.SaveEncoding = 1;
}

void mdlMAIN::start(const QStringList &files) {
    mainWindow_ = std::make_unique<frmMain>(*this);
    prompts_.setParentWidget(mainWindow_.get());
    mainWindow_->MDIForm_Load(!files.isEmpty());
    mainWindow_->show();
    if (files.isEmpty())
        return;
    mainWindow_->OpenFiles(files);
    if (mainWindow_->documents().isEmpty())
        mainWindow_->NewDocument();
}

void mdlMAIN::LoadSettings() {
    const bool complete = readSettingsFile(settingsPath(), settings_);
    if (!mainWindow_)
        return;
    for (int i = 1; i <= 3; ++i) {
        if (!settings_.RecentFiles[i].isEmpty())
            mainWindow_->showRecentFileEntry(i, settings_.RecentFiles[i]);
    }
    if (!complete || !FileExists(settings_.Paths[1]))
        mainWindow_->setTranslatorCommandsEnabled(false);
}

void mdlMAIN::SaveSettings() {
    const bool written = writeSettingsFile(settingsPath(), settings_);
    if (!mainWindow_)
        return;
    if (!written)
        mainWindow_->setTranslatorCommandsEnabled(false);
    else if (FileExists(settings_.Paths[1]))
        mainWindow_->setTranslatorCommandsEnabled(true);
}

void mdlMAIN::ChooseEditorFont() {
    EditorFontSetting &font = settings_.EditorFont;
    const std::optional<FontChoice> chosen =
        prompts_.font(FontChoice{font.Name, font.Size, font.Bold, font.Italic});
    if (!chosen)
        return;
    font.Name = chosen->name;
    font.Bold = chosen->bold;
    font.Italic = chosen->italic;
    font.Size = std::round(chosen->size * 10000.0) / 10000.0;
}
