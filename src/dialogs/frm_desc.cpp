#include "dialogs/frm_desc.h"

#include "base/disk_file.h"
#include "base/prompts.h"
#include "base/string_table.h"
#include "dialogs/reference_search.h"
#include "dialogs/rtf_document_builder.h"
#include "dialogs/rtf_reader.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QThread>
#include <algorithm>

namespace {

const char *const kNotFound = "notFound"; // property of the search field after a miss

bool isReturn(const QKeyEvent *key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

frmDesc::frmDesc(QWidget *parent)
    : QWidget(parent), txtDesc(new QTextBrowser(this)),
      mnuEdit(new QMenu(QStringLiteral("Edit"), this)),
      itmCopy(new QAction(QStringLiteral("Copy"), this)), txtFind(new QLineEdit(this)) {
    setObjectName(QStringLiteral("frmDesc"));
    txtDesc->setObjectName(QStringLiteral("txtDesc"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    itmCopy->setObjectName(QStringLiteral("itmCopy"));
    txtFind->setObjectName(QStringLiteral("txtFind"));

    txtDesc->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtDesc->setOpenLinks(false);
    txtDesc->viewport()->installEventFilter(this);
    txtDesc->installEventFilter(this);

    // The action lives on the window too, so Ctrl+C works while the menu is not on show.
    itmCopy->setShortcut(QKeySequence::Copy);
    itmCopy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    mnuEdit->addAction(itmCopy);
    addAction(itmCopy);
    // The view's own context menu would copy formatted text.
    txtDesc->setContextMenuPolicy(Qt::ActionsContextMenu);
    txtDesc->addAction(itmCopy);
    connect(itmCopy, &QAction::triggered, this, &frmDesc::itmCopy_Click);

    auto *find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(find);
    connect(find, &QAction::triggered, this, &frmDesc::showFindField);

    txtFind->setPlaceholderText(QStringLiteral("Find a command"));
    txtFind->setClearButtonEnabled(true);
    txtFind->installEventFilter(this);
    connect(txtFind, &QLineEdit::textEdited, this, &frmDesc::findCommand);

    Form_Load();
}

frmDesc::~frmDesc() {
    // The worker only touches its own data, but must end before the process can.
    if (loader)
        loader->wait();
}

void frmDesc::Form_Load() {
    setWindowTitle(QStringLiteral("OPL Command Reference"));
    if (const auto text = StringTable::find(1013))
        mnuEdit->setTitle(*text);
    if (const auto text = StringTable::find(1016))
        itmCopy->setText(*text);
}

QString frmDesc::referencePath(const QString &programFolder) {
    return programFolder + QStringLiteral("/OPLCommands.RTF");
}

frmDesc *frmDesc::open(const QString &programFolder, Prompts &prompts, QWidget *parent) {
    // The reference is well under a megabyte; a device, a FIFO or a far larger file by that
    // name counts as missing.
    constexpr qint64 maxBytes = 64 * 1024 * 1024;
    const DiskFile::ReadResult file = DiskFile::read(referencePath(programFolder), maxBytes);
    if (file.status == DiskFile::ReadResult::Status::Missing) {
        prompts.message(StringTable::text(1053), StringTable::text(1055), MessageIcon::None,
                        MessageButtons::Ok);
        return nullptr;
    }
    if (file.status == DiskFile::ReadResult::Status::Unreadable) {
        prompts.message(file.error, StringTable::text(1055), MessageIcon::Critical,
                        MessageButtons::Ok);
        return nullptr;
    }
    auto *viewer = new frmDesc(parent);
    viewer->showRtf(file.bytes);
    return viewer;
}

void frmDesc::showRtf(const QByteArray &rtf) {
    if (loader)
        loader->wait();
    const int number = ++loadNumber;
    auto built = std::make_shared<std::unique_ptr<QTextDocument>>();
    QThread *home = thread();
    loader.reset(QThread::create([rtf, built, home] {
        auto document = std::make_unique<QTextDocument>();
        buildTextDocument(RtfReader::read(rtf), *document);
        document->moveToThread(home);
        *built = std::move(document);
    }));
    connect(loader.get(), &QThread::finished, this, [this, built, number] {
        if (number != loadNumber) // a later showRtf has taken over
            return;
        if (*built) {
            QTextDocument *document = built->release();
            document->setParent(txtDesc);
            // The view deletes a document of its own making; one of ours is left to us.
            QTextDocument *previous = txtDesc->document();
            const bool ours = previous->parent() == txtDesc;
            txtDesc->setDocument(document);
            if (ours)
                delete previous;
        }
        finishLoading();
    });
    loader->start();
}

void frmDesc::finishLoading() {
    loader->wait(); // finished() comes just before the thread has really ended
    loader.reset();
    Q_EMIT loaded();
}

bool frmDesc::isLoading() const {
    return loader != nullptr;
}

void frmDesc::itmCopy_Click() {
    const QString text = txtDesc->textCursor().selection().toPlainText();
    // With nothing selected, what the clipboard holds is worth more than an empty text.
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void frmDesc::showFindField() {
    placeFindField();
    txtFind->show();
    txtFind->raise();
    txtFind->setFocus(Qt::ShortcutFocusReason);
    txtFind->selectAll();
}

bool frmDesc::findCommand(const QString &name) {
    const QString query = name.trimmed();
    if (query.isEmpty() || isLoading()) {
        setFindFailed(false);
        return false;
    }
    if (showSection(query, true))
        return true;
    // Not a command: the first mention of the word, wherever it stands.
    const QTextCursor mention = txtDesc->document()->find(query, 0);
    showFound(mention, false);
    return !mention.isNull();
}

bool frmDesc::goToCommand(const QString &name) {
    if (showSection(name, false))
        return true;
    txtDesc->moveCursor(QTextCursor::Start);
    txtDesc->verticalScrollBar()->setValue(0);
    return false;
}

// Headings are the paragraphs set wholly in bold: the title and one per command.
bool frmDesc::showSection(const QString &name, bool prefixToo) {
    QList<QTextBlock> blocks;
    QStringList headings;
    for (QTextBlock block = txtDesc->document()->begin(); block.isValid(); block = block.next()) {
        bool bold = !block.text().trimmed().isEmpty();
        for (auto it = block.begin(); bold && !it.atEnd(); ++it)
            bold = it.fragment().charFormat().fontWeight() >= QFont::Bold ||
                   it.fragment().text().trimmed().isEmpty();
        if (bold) {
            blocks << block;
            headings << block.text();
        }
    }
    const qsizetype at = ReferenceSearch::headingIndex(headings, name, prefixToo);
    if (at < 0)
        return false;
    const QTextBlock block = blocks[at];
    const QString title = block.text().trimmed();
    const int start = block.position() + int(block.text().indexOf(title));
    QTextCursor heading(block);
    heading.setPosition(start);
    heading.setPosition(start + int(title.size()), QTextCursor::KeepAnchor);
    showFound(heading, true);
    return true;
}

bool frmDesc::findNext(bool backward) {
    const QString query = txtFind->text().trimmed();
    if (query.isEmpty() || isLoading())
        return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextDocument *document = txtDesc->document();
    QTextCursor found = document->find(query, txtDesc->textCursor(), flags);
    if (found.isNull())
        found = document->find(query, backward ? document->characterCount() : 0, flags);
    showFound(found, false);
    return !found.isNull();
}

void frmDesc::showFound(const QTextCursor &found, bool atTop) {
    setFindFailed(found.isNull());
    if (found.isNull())
        return;
    txtDesc->setTextCursor(found);
    if (atTop) // a section reads best from its heading down
        txtDesc->verticalScrollBar()->setValue(txtDesc->verticalScrollBar()->maximum());
    txtDesc->ensureCursorVisible();
}

void frmDesc::setFindFailed(bool failed) {
    txtFind->setProperty(kNotFound, failed);
    QPalette palette; // an empty palette inherits every colour it does not set
    if (failed)
        palette.setColor(QPalette::Base, QColor(255, 220, 220));
    txtFind->setPalette(palette);
}

bool frmDesc::eventFilter(QObject *watched, QEvent *event) {
    if (watched == txtDesc->viewport() && event->type() == QEvent::MouseButtonPress) {
        Q_EMIT textPressed();
    } else if (watched == txtDesc &&
               (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        // The text view would copy formatted text itself; the viewer copies plain text.
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy)) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                itmCopy_Click();
            return true;
        }
    } else if (watched == txtFind && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (isReturn(key)) {
            findNext(key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            txtFind->hide();
            txtDesc->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmDesc::closeEvent(QCloseEvent *event) {
    event->accept();
    if (!closedSent) {
        closedSent = true;
        Q_EMIT closed();
    }
}

void frmDesc::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    txtDesc->setGeometry(rect());
    placeFindField();
}

// The search field floats over the text's top right corner, clear of the scroll bar.
void frmDesc::placeFindField() {
    const int margin = 4;
    const int scrollBar =
        txtDesc->verticalScrollBar()->isVisible() ? txtDesc->verticalScrollBar()->width() : 0;
    const int width = std::min(240, std::max(80, this->width() - scrollBar - 2 * margin));
    txtFind->setGeometry(this->width() - scrollBar - margin - width, margin, width,
                         txtFind->sizeHint().height());
}
