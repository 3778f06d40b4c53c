#include "document/frm_document.h"

#include "analysis/completion_list.h"
#include "analysis/component_registry.h"
#include "analysis/document_language.h"
#include "base/app_host.h"
#include "base/document_identity.h"
#include "base/file_dialogs.h"
#include "base/file_filter.h"
#include "base/prompts.h"
#include "base/string_table.h"
#include "document/document_layout.h"
#include "document/editor_fonts.h"
#include "document/file_drop_filter.h"
#include "document/opl_lexer.h"
#include "document/rtf_text.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QSet>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Each missing language or vocabulary file is reported once per run, not once per window.
bool firstReportOf(const QString &path) {
    static QSet<QString> reported;
    if (reported.contains(path))
        return false;
    reported.insert(path);
    return true;
}

} // namespace

frmDocument::frmDocument(AppHost &host, QWidget *parent)
    : QWidget(parent), rtfText(new ::rtfText(host.prompts(), this)), Tree(new QTreeWidget(this)),
      m_host(host), m_settings(host.settings()), m_prompts(host.prompts()),
      m_language(std::make_shared<DocumentLanguage>()),
      m_globalList(std::make_shared<CompletionList>()) {
    setObjectName(QStringLiteral("frmDocument"));
    rtfText->setObjectName(QStringLiteral("rtfText"));
    Tree->setObjectName(QStringLiteral("Tree"));
    rtfText->setAccessibleName(QStringLiteral("Editor"));
    Tree->setAccessibleName(StringTable::text(1078));
    Tree->setHeaderHidden(true);
    Tree->setUniformRowHeights(true);
    // Long names scroll sideways instead of being cut short; the width is measured on a
    // bounded number of rows, so a large tree costs no more.
    Tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tree->header()->setStretchLastSection(false);
    Tree->installEventFilter(this);

    m_navigatorVisible = true;
    applyEditorFont();
    rtfText->setLineNumbering(m_settings.LineNumbers);
    rtfText->SetColor(::rtfText::LineNumberColourItem, m_settings.Colours[0]);
    loadLanguage();
    rtfText->setCompletionWhileTyping(true);

    // The node menu waits out a double click, which goes to the declaration at once.
    m_nodeMenuDelay = new QTimer(this);
    m_nodeMenuDelay->setSingleShot(true);
    m_nodeMenuDelay->setInterval(QApplication::doubleClickInterval());
    Tree->setExpandsOnDoubleClick(false);
    connect(Tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        // The release that ends a double click reports a click as well.
        if (m_doubleClicked.isValid() && m_doubleClicked.elapsed() < m_nodeMenuDelay->interval())
            return;
        m_clickedKey = item->data(0, Qt::UserRole).toString();
        m_clickedAt = QCursor::pos();
        m_nodeMenuDelay->start();
    });
    // The clicked node is the current one, unless a scan has replaced the tree meanwhile.
    connect(m_nodeMenuDelay, &QTimer::timeout, this, [this] {
        QTreeWidgetItem *item = Tree->currentItem();
        if (item && item->data(0, Qt::UserRole).toString() == m_clickedKey)
            nodeClicked(item, m_clickedAt);
    });
    connect(Tree, &QTreeWidget::itemDoubleClicked, this, &frmDocument::nodeDoubleClicked);
    // F8 and Shift+F8: the next and the previous line the undefined-name search marked.
    for (const bool backward : {false, true}) {
        auto *step = new QAction(this);
        step->setShortcut(backward ? QKeySequence(Qt::SHIFT | Qt::Key_F8)
                                   : QKeySequence(Qt::Key_F8));
        step->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(step);
        connect(step, &QAction::triggered, this, [this, backward] {
            const int line = rtfText->nextMarkedLine(rtfText->GetSel(false).endLine, backward);
            if (line >= 0)
                goToLine(line);
        });
    }
    connect(rtfText, &::rtfText::contextMenuRequested, this, &frmDocument::showEditMenu);
    connect(rtfText, &::rtfText::caretMoved, this, &frmDocument::ShowCaretPosition);
    connect(rtfText, &::rtfText::mouseDown, this, &frmDocument::barsRestoreRequested);
    connect(rtfText, &::rtfText::completionListRequested, this,
            &frmDocument::answerCompletionRequest);
    connect(rtfText, &QsciScintilla::modificationChanged, this,
            [this] { setWindowModified(rtfText->Modified()); });
    // Drops reach the editor's text area, or the editor itself, whichever accepts them.
    auto *drops =
        new FileDropFilter([this](const QStringList &files) { Q_EMIT filesDropped(files); }, this);
    rtfText->installEventFilter(drops);
    rtfText->viewport()->installEventFilter(drops);
    layOut();
}

frmDocument::~frmDocument() {
    ComponentRegistry &registry = ComponentRegistry::global();
    if (!m_scanListName.isEmpty())
        registry.unregisterMemberList(m_scanListName);
    registry.unregisterMemberList(m_globalList->name());
    registry.unregisterLanguage(m_language->name());
}

void frmDocument::applyEditorFont() {
    rtfText->SetFont(EditorFonts::shown(m_settings.EditorFont));
}

bool frmDocument::loadFile(const QString &path) {
    if (!rtfText->OpenFile(path))
        return false;
    m_disk.record(path);
    rtfText->setModifiedMark(false);
    setWindowTitle(path);
    RESCAN();
    return true;
}

void frmDocument::loadLanguage() {
    const QDir folder(m_host.programFolder());
    const auto load = [this](auto &object, const QString &path) {
        if (!object.load(path) && firstReportOf(path))
            m_prompts.message(path + QStringLiteral("\r\n") + StringTable::text(1067),
                              StringTable::text(1055), MessageIcon::Critical);
    };
    load(*m_language, folder.filePath(QStringLiteral("opl.xml")));
    load(*m_globalList, folder.filePath(QStringLiteral("global.xml")));
    m_vocabulary = VocabularyNames(m_globalList->names());

    ComponentRegistry &registry = ComponentRegistry::global();
    m_languageName =
        registry.drawLanguageName(m_language->name(), &ComponentRegistry::systemRandom);
    m_memberListName = m_globalList->name() + QLatin1Char('_') + m_languageName;
    m_language->setName(m_languageName);
    m_globalList->setName(m_memberListName);
    registry.registerLanguage(m_language);
    registry.registerMemberList(m_globalList);

    m_lexer = new OplLexer(m_language, this);
    rtfText->setLanguage(m_lexer);
}

void frmDocument::Navigator() {
    m_navigatorVisible = !m_navigatorVisible;
    layOut();
}

void frmDocument::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    layOut();
}

void frmDocument::layOut() {
    const DocumentLayout layout = DocumentLayout::forSize(width(), height(), m_navigatorVisible);
    Tree->setVisible(layout.treeVisible);
    if (layout.tree)
        Tree->setGeometry(*layout.tree);
    if (layout.editor)
        rtfText->setGeometry(*layout.editor);
}

void frmDocument::setUIColors() {
    for (int index = 1; index <= 10; ++index)
        m_language->setColour(LanguageCategory::ByColourIndex[index - 1],
                              m_settings.Colours[index]);
    m_lexer->refresh();
}

void frmDocument::closeEvent(QCloseEvent *event) {
    if (askToSave())
        event->accept();
    else
        event->ignore();
}

// True when the window may close.
bool frmDocument::askToSave() {
    if (!rtfText->Modified())
        return true;
    const MessageAnswer answer =
        m_prompts.message(windowTitle() + StringTable::text(1058), StringTable::text(1055),
                          MessageIcon::None, MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::No)
        return true;
    if (answer != MessageAnswer::Yes)
        return false;
    QString path = windowTitle();
    if (DocumentIdentity::isUntitled(path)) {
        path = ChooseSaveFile(m_host, FileFilter::sourceFiles(m_settings));
        if (path.isEmpty())
            return false; // a cancelled save dialog keeps the window, as Cancel does
    }
    return SaveFile(path, saveFormatFor(m_settings.SaveEncoding));
}

void frmDocument::answerCompletionRequest() {
    if (const auto list = ComponentRegistry::global().findMemberList(m_memberListName))
        rtfText->setCompletionList(list->entries());
}

void frmDocument::showEditMenu(const QPoint &globalPos) {
    rtfText->prepareContextMenu();
    Q_EMIT editMenuRequested(globalPos);
}
