#include "document/frm_document.h"

#include "analysis/completion_list.h"
#include "analysis/component_registry.h"
#include "analysis/document_language.h"
#include "analysis/navigator_keys.h"
#include "analysis/scan_report_box.h"
#include "analysis/scope_index.h"
#include "analysis/source_scanner.h"
#include "analysis/undefined_search.h"
#include "base/app_settings.h"
#include "base/prompts.h"
#include "base/string_table.h"
#include "base/text_codec.h"
#include "document/command_catalogue.h"
#include "document/opl_lexer.h"
#include "document/rtf_text.h"

#include <QHash>
#include <QTreeWidget>
#include <algorithm>
#include <exception>

// The scan and the search for undefined names: the core does the work on the lines, the
// window puts what comes back into its tree, lists and editor.

namespace {

// Top-level nodes show in this order whenever they were added: the project, "Labels" (which
// a label on a line with a quote may create late), then the others as added.
int displayRank(const QString &key) {
    if (key == NavigatorKeys::topLevel(NavigatorKeys::kProject))
        return 0;
    if (key == NavigatorKeys::topLevel(NavigatorKeys::kLabels))
        return 1;
    return 2;
}

} // namespace

QStringList frmDocument::lines() const {
    return TextCodec::splitLines(rtfText->Text());
}

void frmDocument::RESCAN() {
    setUIColors();
    if (rtfText->LineCount() < 2)
        return;
    try {
        const QString text = rtfText->Text();
        const ScanResult result = scanSource(SourceLines(text), m_vocabulary, m_settings.Paths[2],
                                             &IncludeFile::read, windowTitle());
        applyScan(result);
    } catch (const std::exception &error) {
        reportFailure(QString::fromLocal8Bit(error.what()));
    }
}

void frmDocument::reportFailure(const QString &description) {
    m_prompts.message(description, StringTable::text(1055), MessageIcon::Critical);
}

void frmDocument::applyScan(const ScanResult &result) {
    if (!result.rebuilt)
        return;
    replaceCompletionList(result);
    fillWordLists(result);
    if (const QString error = fillTree(result.nodes); !error.isEmpty()) {
        reportFailure(error);
        return;
    }
    lstProc = result.lstProc;
    playReports(result);
    rtfText->Restyle();
}

void frmDocument::replaceCompletionList(const ScanResult &result) {
    ComponentRegistry &registry = ComponentRegistry::global();
    auto list = std::make_shared<CompletionList>(*m_globalList);
    list->setName(registry.drawScanListName(&ComponentRegistry::systemRandom));
    for (const CompletionEntry &entry : result.completions)
        list->setDescription(list->addEntry(entry.name, entry.params, entry.icon),
                             entry.description);
    if (!m_scanListName.isEmpty())
        registry.unregisterMemberList(m_scanListName);
    m_scanListName = list->name();
    registry.registerMemberList(std::move(list));
    m_memberListName = m_scanListName;
}

void frmDocument::fillWordLists(const ScanResult &result) {
    // A language without these categories (opl.xml missing) leaves the steps without effect.
    const std::pair<QLatin1String, const QStringList *> lists[] = {
        {LanguageCategory::Variables, &result.variables},
        {LanguageCategory::Labels, &result.labels},
        {LanguageCategory::Constants, &result.constants},
        {LanguageCategory::Functions, &result.functions}};
    for (const auto &[category, words] : lists) {
        if (!m_language->clearWords(category))
            continue;
        for (const QString &word : *words)
            m_language->addWord(category, word);
    }
}

// Builds the items apart from the tree and hands them over at once: one update of the view
// instead of one per node. An error text when a node names a parent that does not exist or
// repeats a key.
QString frmDocument::fillTree(const QList<NavigatorNode> &nodes) {
    Tree->clear();
    m_nodes.clear();
    QHash<QString, QTreeWidgetItem *> byKey;
    byKey.reserve(nodes.size());
    QList<QTreeWidgetItem *> topLevel;
    QString error;
    for (const NavigatorNode &node : nodes) {
        if (byKey.contains(node.key)) {
            error =
                QStringLiteral("The navigator already has a node with the key %1.").arg(node.key);
            break;
        }
        QTreeWidgetItem *parent = nullptr;
        if (!node.parentKey.isEmpty()) {
            parent = byKey.value(node.parentKey);
            if (!parent) {
                error = QStringLiteral("The navigator has no node %1 to hold %2.")
                            .arg(node.parentKey, node.text);
                break;
            }
        }
        auto *item = new QTreeWidgetItem(QStringList(node.text));
        item->setData(0, Qt::UserRole, node.key);
        if (parent)
            parent->addChild(item);
        else
            topLevel.append(item);
        byKey.insert(node.key, item);
        m_nodes.append(node);
        CurrentNode = node;
    }
    std::stable_sort(topLevel.begin(), topLevel.end(), [](auto *a, auto *b) {
        return displayRank(a->data(0, Qt::UserRole).toString()) <
               displayRank(b->data(0, Qt::UserRole).toString());
    });
    Tree->addTopLevelItems(topLevel);
    for (QTreeWidgetItem *item : std::as_const(topLevel))
        item->setExpanded(true);
    return error;
}

// One box for the whole scan; the duplicates' lines stay yellow while it is up.
void frmDocument::playReports(const ScanResult &result) {
    const ScanReportBox box = ScanReportBox::of(result.reports);
    if (box.text.isEmpty())
        return;
    if (!box.markedLines.isEmpty())
        goToLine(box.markedLines.constFirst());
    for (const int line : box.markedLines)
        rtfText->SetLineColor(line, kDuplicateLineColour);
    m_prompts.message(box.text, StringTable::text(1055),
                      box.critical ? MessageIcon::Critical : MessageIcon::Information);
    for (const int line : box.markedLines)
        rtfText->SetLineColor(line, kPlainLineColour);
}

void frmDocument::goToLine(int line) {
    rtfText->ExecuteCmd(CommandCatalogue::GoToLine, line);
}

bool frmDocument::IsDeclaredInScope(const QString &name, const QString &procName) const {
    return ScopeIndex(m_nodes).IsDeclaredInScope(name, procName);
}

void frmDocument::FindUndefined() {
    rtfText->setFocus();
    const QString text = rtfText->Text();
    const UndefinedSearchResult result =
        findUndefined(SourceLines(text), m_vocabulary, lstProc, m_nodes);
    // Only lines that carry a colour need it taken off.
    for (int line = 0, count = rtfText->LineCount(); line < count; ++line)
        if (rtfText->lineColor(line) != ::rtfText::NormalLineColour)
            rtfText->SetLineColor(line, ::rtfText::NormalLineColour);
    for (const UndefinedFinding &finding : result.findings) {
        rtfText->setLineMark(finding.line, true);
        rtfText->SetLineColor(finding.line, kUndefinedLineColour);
    }
    // The caret visits every finding in turn and stays at the last; going there once ends
    // the same without scrolling through all of them.
    if (!result.findings.isEmpty())
        goToLine(result.findings.constLast().line);
    m_prompts.message(result.message, StringTable::text(1055),
                      result.found ? MessageIcon::Exclamation : MessageIcon::Information);
}
