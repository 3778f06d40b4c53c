#include "document/frm_document.h"

#include "analysis/declaration_search.h"
#include "analysis/navigator_keys.h"
#include "base/string_table.h"
#include "document/rtf_text.h"

#include <QKeyEvent>
#include <QTimer>
#include <QTreeWidget>

// What the user does with the navigator's nodes, and the caret position in the status bar.

namespace {

NavigatorNode nodeOf(const QTreeWidgetItem &item) {
    NavigatorNode node{item.data(0, Qt::UserRole).toString(), {}, item.text(0)};
    if (const QTreeWidgetItem *parent = item.parent())
        node.parentKey = parent->data(0, Qt::UserRole).toString();
    return node;
}

} // namespace

void frmDocument::nodeClicked(QTreeWidgetItem *item, const QPoint &globalPos) {
    if (!item)
        return;
    CurrentNode = nodeOf(*item);
    if (!NavigatorKeys::isSymbol(CurrentNode.key))
        return;
    Q_EMIT nodeMenuRequested(globalPos);
}

void frmDocument::nodeDoubleClicked(QTreeWidgetItem *item) {
    m_nodeMenuDelay->stop();
    m_doubleClicked.start();
    if (!item)
        return;
    CurrentNode = nodeOf(*item);
    if (NavigatorKeys::isSymbol(CurrentNode.key))
        NodeGoTo();
    else // a group, or a member that has no declaration of its own
        item->setExpanded(!item->isExpanded());
}

// Return and Enter go to the current node's declaration; the menu key shows its menu.
bool frmDocument::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        QTreeWidgetItem *item = Tree->currentItem();
        if (item && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            nodeDoubleClicked(item);
            return true;
        }
        if (item && key == Qt::Key_Menu) {
            const QRect place = Tree->visualItemRect(item);
            nodeClicked(item, Tree->viewport()->mapToGlobal(place.bottomLeft()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmDocument::NodeGoTo() {
    const QChar kind = NavigatorKeys::kind(CurrentNode.key);
    if (kind == NavigatorKeys::kLabels)
        GoToLabel(CurrentNode.text);
    else if (kind == NavigatorKeys::kConstants)
        GoToDeclaration(CurrentNode.text, QStringLiteral("CONST"));
    else if (kind == NavigatorKeys::kGlobals)
        GoToDeclaration(CurrentNode.text, QStringLiteral("GLOBAL"));
    else if (kind == NavigatorKeys::kProcedures)
        GoToDeclaration(CurrentNode.text, QStringLiteral("PROC"));
}

void frmDocument::GoToDeclaration(const QString &name, const QString &keyword) {
    rtfText->setFocus();
    const int line = DeclarationSearch::declarationLine(lines(), name, keyword);
    if (line < 0)
        return;
    goToLine(line);
    rtfText->SelectLine(line, true);
}

void frmDocument::GoToLabel(const QString &label) {
    rtfText->setFocus();
    const int line = DeclarationSearch::labelLine(lines(), label);
    if (line < 0)
        return;
    goToLine(line);
    rtfText->SelectLine(line, true);
}

void frmDocument::NodePaste() {
    rtfText->setSelText(CurrentNode.text);
}

void frmDocument::ShowCaretPosition() {
    const TextRange range = rtfText->GetSel(false);
    Q_EMIT statusTextChanged(StringTable::text(1097) + QString::number(range.endLine + 1) +
                             QStringLiteral(", ") + StringTable::text(1098) +
                             QString::number(range.endColumn + 1));
}
