#include "app/frm_main.h"

#include "app/file_commands.h"
#include "app/mdl_main.h"
#include "document/command_catalogue.h"
#include "document/editing_commands.h"
#include "document/frm_com.h"
#include "document/frm_document.h"
#include "document/rtf_text.h"

#include <QMenu>
#include <QPrinter>

// The Edit menu, Save and Print: each finds the active document and hands its editor to the
// editing or file commands.

void frmMain::connectEditingCommands() {
    const std::pair<QAction *, int> editorCommands[] = {
        {mnuEditUndo, CommandCatalogue::Undo},
        {mnuEditRedo, CommandCatalogue::Redo},
        {mnuEditFind, CommandCatalogue::Find},
        {mnuEditFindNext, CommandCatalogue::FindNext},
        {mnuEditFR, CommandCatalogue::FindAndReplace},
        {mnuEditIncInd, CommandCatalogue::Indent},
        {mnuEditDecInd, CommandCatalogue::Unindent},
        {itmJumpToMatch, CommandCatalogue::GoToMatchingBracket}};
    for (const auto &[item, command] : editorCommands)
        connect(item, &QAction::triggered, this,
                [this, command = command] { executeEditorCommand(command); });
    connect(mnuEditGoTo, &QAction::triggered, this, &frmMain::mnuEditGoTo_Click);
    connect(mnuEditRunCom, &QAction::triggered, this, &frmMain::mnuEditRunCom_Click);
    FileCommands::connectFileCommands(*this, m_module);
}

void frmMain::mnuFileSave_Click() {
    FileCommands::mnuFileSave_Click(*this, m_module);
}

void frmMain::mnuFilePrint_Click() {
    frmDocument *document = activeDocument();
    if (!document)
        return;
    QPrinter printer(QPrinter::HighResolution);
    EditingCommands::Print(*document->rtfText, m_module.prompts(), printer);
}

void frmMain::mnuEditCut_Click() {
    executeEditorCommand(CommandCatalogue::Cut);
}

void frmMain::mnuEditCopy_Click() {
    executeEditorCommand(CommandCatalogue::Copy);
}

void frmMain::mnuEditPaste_Click() {
    executeEditorCommand(CommandCatalogue::Paste);
}

// -1 makes the editor ask for the line.
void frmMain::mnuEditGoTo_Click() {
    if (frmDocument *document = activeDocument())
        document->rtfText->ExecuteCmd(CommandCatalogue::GoToLine, -1);
}

void frmMain::mnuEditCom_Click() {
    if (frmDocument *document = activeDocument())
        EditingCommands::CommentLines(*document->rtfText);
}

void frmMain::mnuEditUncom_Click() {
    if (frmDocument *document = activeDocument())
        EditingCommands::UncommentLines(*document->rtfText);
}

void frmMain::mnuEditRunCom_Click() {
    frmDocument *document = activeDocument();
    if (!document)
        return;
    frmCom dialog(*document->rtfText, m_module.prompts(), this);
    dialog.exec();
}
