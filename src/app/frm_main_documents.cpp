#include "app/frm_main.h"

#include "app/file_commands.h"
#include "app/mdl_main.h"
#include "app/toolbar_icons.h"
#include "app/window_arranger.h"
#include "base/file_dialogs.h"
#include "base/file_filter.h"
#include "base/settings_file.h"
#include "document/frm_document.h"
#include "document/rtf_text.h"

#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTimer>

// The commands that make document windows and act on the active one. The documents do the
// work; this file only finds the document and calls it.

void frmMain::connectDocumentCommands() {
    connect(mnuFileRefresh, &QAction::triggered, this, &frmMain::mnuFileRefresh_Click);
    connect(itmFindUndefined, &QAction::triggered, this, &frmMain::itmFindUndefined_Click);
    connect(mnuNodeGoTo, &QAction::triggered, this, &frmMain::mnuNodeGoTo_Click);
    connect(mnuNodePaste, &QAction::triggered, this, &frmMain::mnuNodePaste_Click);
    const std::pair<QAction *, WindowArranger::Code> arrangements[] = {
        {mnuWindowCascade, WindowArranger::Cascade},
        {mnuWindowTileHorizontal, WindowArranger::TileHorizontal},
        {mnuWindowTileVertical, WindowArranger::TileVertical},
        {mnuWindowArrangeIcons, WindowArranger::ArrangeIcons}};
    for (const auto &[item, code] : arrangements)
        connect(item, &QAction::triggered, this,
                [this, code = code] { WindowArranger::Arrange(*mdiArea, code); });
}

frmDocument *frmMain::activeDocument() const {
    const QMdiSubWindow *child = activeChild();
    return child ? qobject_cast<frmDocument *>(child->widget()) : nullptr;
}

QList<frmDocument *> frmMain::documents() const {
    QList<frmDocument *> found;
    for (const QMdiSubWindow *child : mdiArea->subWindowList())
        if (auto *document = qobject_cast<frmDocument *>(child->widget()))
            found.append(document);
    return found;
}

void frmMain::NewDocument() {
    ++m_documentCount;
    auto *document = new frmDocument(m_module);
    connect(document, &frmDocument::editMenuRequested, this,
            [this](const QPoint &at) { mnuEdit->popup(at); });
    connect(document, &frmDocument::nodeMenuRequested, this,
            [this](const QPoint &at) { mnuNode->popup(at); });
    connect(document, &frmDocument::barsRestoreRequested, this, &frmMain::restoreBarsAfterViewer);
    connect(document, &frmDocument::statusTextChanged, this, &frmMain::setStatusPanelText);
    connect(document, &frmDocument::filesDropped, this, &frmMain::openFiles);
    document->setWindowTitle(QStringLiteral("Document ") + QString::number(m_documentCount));
    document->setWindowIcon(QIcon(ToolbarIcons::image(1)));
    QMdiSubWindow *child = mdiArea->addSubWindow(document);
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->show();
    // A document alone in the frame fills it, keeping its own title bar (and so its
    // unsaved-changes mark); later ones keep their size and cascade as usual. Before the main
    // window is first shown the frame has no size yet, so the fill is done again once it has.
    const auto fill = [this, sole = QPointer<QMdiSubWindow>(child)] {
        if (sole && mdiArea->subWindowList() == QList<QMdiSubWindow *>{sole.data()})
            sole->setGeometry(mdiArea->viewport()->rect());
    };
    fill();
    if (!isVisible())
        QTimer::singleShot(0, this, fill);
    mdiArea->setActiveSubWindow(child);
}

// Start-up re-opens the most recent file into "Document 1". A file that exists but cannot be
// loaded leaves the document empty, without a message.
void frmMain::reopenMostRecentFile() {
    const QString path = m_module.settings().RecentFiles[1];
    if (path.isEmpty() || !FileExists(path))
        return;
    if (frmDocument *document = activeDocument())
        document->loadFile(path);
}

void frmMain::mnuFileOpen_Click() {
    const QString folder = m_module.documentFolder(); // before the new document becomes active
    NewDocument();
    frmDocument *document = activeDocument();
    if (!document)
        return;
    const QString path =
        ChooseOpenFile(m_module, FileFilter::sourceFiles(m_module.settings()), {}, folder);
    // The number stays used either way: the next new document gets the following one.
    if (path.isEmpty()) {
        document->parentWidget()->close();
        return;
    }
    if (FileCommands::showOpenDocument(*this, m_module, path)) {
        document->parentWidget()->close();
        return;
    }
    if (!document->loadFile(path)) {
        showErrorReport(m_module.prompts(), document->rtfText->lastError());
        return;
    }
    FileCommands::AddRecentFile(*this, m_module, path);
}

void frmMain::mnuFileRefresh_Click() {
    if (frmDocument *document = activeDocument())
        document->RESCAN();
}

void frmMain::itmFindUndefined_Click() {
    if (frmDocument *document = activeDocument())
        document->FindUndefined();
}

void frmMain::mnuNodeGoTo_Click() {
    if (frmDocument *document = activeDocument())
        document->NodeGoTo();
}

void frmMain::mnuNodePaste_Click() {
    if (frmDocument *document = activeDocument())
        document->NodePaste();
}

void frmMain::executeEditorCommand(int command) {
    if (frmDocument *document = activeDocument())
        document->rtfText->ExecuteCmd(command);
}

// The new font goes to the active document only; others keep theirs until they are opened
// again.
void frmMain::fontCommand() {
    frmDocument *document = activeDocument();
    if (!document)
        return;
    m_module.ChooseEditorFont();
    document->applyEditorFont();
}

// Affects the active document alone and is not stored.
void frmMain::switchLineNumbers() {
    frmDocument *document = activeDocument();
    if (!document)
        return;
    ::rtfText &editor = *document->rtfText;
    editor.setLineNumbering(!editor.LineNumbering());
    editor.SetColor(::rtfText::LineNumberColourItem, m_module.settings().Colours[0]);
}

void frmMain::navigatorCommand() {
    if (frmDocument *document = activeDocument())
        document->Navigator();
}
