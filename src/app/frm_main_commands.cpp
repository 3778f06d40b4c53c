#include "app/frm_main.h"

#include "app/dialog_commands.h"
#include "app/mdl_main.h"
#include "app/translation_run.h"
#include "document/command_catalogue.h"

#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <exception>

// Routing of the menu and tool-bar commands to their handlers.

void frmMain::connectCommands() {
    connect(mnuFileNew, &QAction::triggered, this, &frmMain::NewDocument);
    connect(mnuWindowNewWindow, &QAction::triggered, this, &frmMain::NewDocument);
    connect(mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(mnuFileSave, &QAction::triggered, this, &frmMain::mnuFileSave_Click);
    connect(mnuFileTranslate, &QAction::triggered, this, &frmMain::mnuFileTranslate_Click);
    connect(mnuFilePrint, &QAction::triggered, this, &frmMain::mnuFilePrint_Click);
    connect(mnuEditCut, &QAction::triggered, this, &frmMain::mnuEditCut_Click);
    connect(mnuEditCopy, &QAction::triggered, this, &frmMain::mnuEditCopy_Click);
    connect(mnuEditPaste, &QAction::triggered, this, &frmMain::mnuEditPaste_Click);
    connect(mnuEditCom, &QAction::triggered, this, &frmMain::mnuEditCom_Click);
    connect(mnuEditUncom, &QAction::triggered, this, &frmMain::mnuEditUncom_Click);
    connect(mnuViewToolbar, &QAction::triggered, this, &frmMain::mnuViewToolbar_Click);
    connect(mnuViewStatusBar, &QAction::triggered, this, &frmMain::mnuViewStatusBar_Click);
    connect(mnuWindow, &QMenu::aboutToShow, this, &frmMain::listChildWindows);
    connectDialogCommands(*this, m_module);
    connectDocumentCommands();
    connectEditingCommands();
}

void frmMain::tbToolBar_ButtonClick(const QString &key) {
    const std::optional<ToolbarCommand> command = toolbarCommandFor(key, activeChild() != nullptr);
    if (!command)
        return;
    // A failing command without an error report of its own simply has no effect.
    try {
        runToolbarCommand(*command);
    } catch (const std::exception &) {
    }
}

void frmMain::runToolbarCommand(ToolbarCommand command) {
    switch (command) {
    case ToolbarCommand::NewDocument:
        return NewDocument();
    case ToolbarCommand::Open:
        return mnuFileOpen_Click();
    case ToolbarCommand::Save:
        return mnuFileSave_Click();
    case ToolbarCommand::Translate:
        return mnuFileTranslate_Click();
    case ToolbarCommand::Print:
        return mnuFilePrint_Click();
    case ToolbarCommand::Undo:
        return executeEditorCommand(CommandCatalogue::Undo);
    case ToolbarCommand::Redo:
        return executeEditorCommand(CommandCatalogue::Redo);
    case ToolbarCommand::Find:
        return executeEditorCommand(CommandCatalogue::Find);
    case ToolbarCommand::Cut:
        return mnuEditCut_Click();
    case ToolbarCommand::Copy:
        return mnuEditCopy_Click();
    case ToolbarCommand::Paste:
        return mnuEditPaste_Click();
    case ToolbarCommand::IncreaseIndent:
        return executeEditorCommand(CommandCatalogue::Indent);
    case ToolbarCommand::DecreaseIndent:
        return executeEditorCommand(CommandCatalogue::Unindent);
    case ToolbarCommand::Comment:
        return mnuEditCom_Click();
    case ToolbarCommand::Uncomment:
        return mnuEditUncom_Click();
    case ToolbarCommand::Font:
        return fontCommand();
    case ToolbarCommand::LineNumbers:
        return switchLineNumbers();
    case ToolbarCommand::Navigator:
        return navigatorCommand();
    case ToolbarCommand::None:
        return;
    }
}

void frmMain::tbToolBar_ButtonMenuClick(const QString &entryText) {
    m_module.settings().SaveEncoding = saveEncodingForEntry(entryText);
    if (QAction *saveButton = toolbarButton(QStringLiteral("Speichern")))
        saveButton->setToolTip(saveButtonToolTip(entryText));
}

// Qt has already inverted the check mark when these run.
void frmMain::mnuViewToolbar_Click() {
    tbToolBar->setVisible(mnuViewToolbar->isChecked());
}

void frmMain::mnuViewStatusBar_Click() {
    sbStatusBar->setVisible(mnuViewStatusBar->isChecked());
}

void frmMain::mnuFileTranslate_Click() {
    TranslationRun(*this, m_module).exec();
}
