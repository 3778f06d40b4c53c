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
      host_(host), settings_(host.settings()), prompts_(host.prompts()),
      language_(std::make_shared<DocumentLanguage>()),
      globalList_(std::make_shared<CompletionList>()) {
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

    navigatorVisible_ = true;
    applyEditorFont();
    rtfText->SetLineNumbering(settings_.LineNumbers);
    rtfText->SetColor(::rtfText::LineNumberColourItem, settings_.Colours[0]);
    loadLanguage();
    rtfText->SetCompletionWhileTyping(true);

    // The node menu waits out a double click, which goes to the declaration at once.
    nodeMenuDelay_ = new QTimer(this);
    nodeMenuDelay_->setSingleShot(true);
    nodeMenuDelay_->setInterval(QApplication::doubleClickInterval());
    Tree->setExpandsOnDoubleClick(false);
    connect(Tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        // The release that ends a double click reports a click as well.
        if (doubleClicked_.isValid() && doubleClicked_.elapsed() < nodeMenuDelay_->interval())
            return;
        clickedKey_ = item->data(0, Qt::UserRole).toString();
        clickedAt_ = QCursor::pos();
        nodeMenuDelay_->start();
    });
    // The clicked node is the current one, unless a scan has replaced the tree meanwhile.
    connect(nodeMenuDelay_, &QTimer::timeout, this, [this] {
        QTreeWidgetItem *item = Tree->currentItem();
        if (item && item->data(0, Qt::UserRole).toString() == clickedKey_)
            Tree_NodeClick(item, clickedAt_);
    });
    connect(Tree, &QTreeWidget::itemDoubleClicked, this, &frmDocument::Tree_NodeDoubleClick);
    // F8 and Shift+F8: the next and the previous line the undefined-name search marked.
    for (const bool backward : {false, true}) {
        auto *step = new QAction(this);
        step->setShortcut(backward ? QKeySequence(Qt::SHIFT | Qt::Key_F8)
                                   : QKeySequence(Qt::Key_F8));
        step->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(step);
        connect(step, &QAction::triggered, this, [this, backward] {
            const int line = rtfText->NextMarkedLine(rtfText->GetSel(false).endLine, backward);
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
    if (!scanListName_.isEmpty())
        registry.unregisterMemberList(scanListName_);
    registry.unregisterMemberList(globalList_->name());
    registry.unregisterLanguage(language_->name());
}

void frmDocument::applyEditorFont() {
    rtfText->SetFont(EditorFonts::shown(settings_.EditorFont));
}

bool frmDocument::LoadFile(const QString &path) {
    if (!rtfText->OpenFile(path))
        return false;
    disk_.record(path);
    rtfText->SetModifiedMark(false);
    setWindowTitle(path);
    RESCAN();
    return true;
}

void frmDocument::loadLanguage() {
    const QDir folder(host_.programFolder());
    const auto load = [this](auto &object, const QString &path) {
        if (!object.load(path) && firstReportOf(path))
            prompts_.message(path + QStringLiteral("\r\n") + StringTable::text(1067),
                             StringTable::text(1055), MessageIcon::Critical);
    };
    load(*language_, folder.filePath(QStringLiteral("opl.xml")));
    load(*globalList_, folder.filePath(QStringLiteral("global.xml")));
    vocabulary_ = VocabularyNames(globalList_->names());

    ComponentRegistry &registry = ComponentRegistry::global();
    languageName_ = registry.drawLanguageName(language_->name(), &ComponentRegistry::systemRandom);
    memberListName_ = globalList_->name() + QLatin1Char('_') + languageName_;
    language_->setName(languageName_);
    globalList_->setName(memberListName_);
    registry.registerLanguage(language_);
    registry.registerMemberList(globalList_);

    lexer_ = new OplLexer(language_, this);
    rtfText->SetLanguage(lexer_);
}

void frmDocument::Navigator() {
    navigatorVisible_ = !navigatorVisible_;
    layOut();
}

void frmDocument::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    layOut();
}

void frmDocument::layOut() {
    const DocumentLayout layout = DocumentLayout::forSize(width(), height(), navigatorVisible_);
    Tree->setVisible(layout.treeVisible);
    if (layout.tree)
        Tree->setGeometry(*layout.tree);
    if (layout.editor)
        rtfText->setGeometry(*layout.editor);
}

void frmDocument::setUIColors() {
    for (int index = 1; index <= 10; ++index)
        language_->setColour(LanguageCategory::ByColourIndex[index - 1], settings_.Colours[index]);
    lexer_->refresh();
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
        prompts_.message(windowTitle() + StringTable::text(1058), StringTable::text(1055),
                         MessageIcon::None, MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::No)
        return true;
    if (answer != MessageAnswer::Yes)
        return false;
    QString path = windowTitle();
    if (DocumentIdentity::isUntitled(path)) {
        path = ChooseSaveFile(host_, FileFilter::sourceFiles(settings_));
        if (path.isEmpty())
            return false; // a cancelled save dialog keeps the window, as Cancel does
    }
    return SaveFile(path, saveFormatFor(settings_.SaveEncoding));
}

void frmDocument::answerCompletionRequest() {
    if (const auto list = ComponentRegistry::global().findMemberList(memberListName_))
        rtfText->SetCompletionList(list->entries());
}

void frmDocument::showEditMenu(const QPoint &globalPos) {
    rtfText->PrepareContextMenu();
    Q_EMIT editMenuRequested(globalPos);
}
