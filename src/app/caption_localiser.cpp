#include "app/caption_localiser.h"

#include "base/string_table.h"

#include <QAbstractButton>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <optional>

namespace {

// The entry whose number is `number` read as a whole number (blanks around it allowed);
// nothing when the text is not one (a separator's "-", "&?", a word) or the table has no
// such entry.
std::optional<QString> entryFor(const QString &number) {
    bool ok = false;
    const int n = number.toInt(&ok);
    return ok ? StringTable::find(n) : std::nullopt;
}

QString tagOf(const QObject *object) {
    return object->property("Tag").toString();
}

// The entry named by the digits at the start of `text` (blanks skipped), as in "1037 Save".
std::optional<QString> entryForLeadingNumber(const QString &text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    int n = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (n > 100'000'000) // far past the table; also keeps n from overflowing
            return std::nullopt;
        n = n * 10 + (text[i].unicode() - u'0');
    }
    return n > 0 ? StringTable::find(n) : std::nullopt;
}

// The key after a lone "&" in `text` ("&&" shows one "&"), or a null character.
QChar mnemonicOf(const QString &text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// `text` with a "&" before its first letter or digit that `taken` does not hold yet, which
// then takes it; as it stands when every one is taken.
QString withMnemonic(const QString &text, QString &taken) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar key = text[i].toLower();
        if (key.isLetterOrNumber() && !taken.contains(key)) {
            taken += key;
            return text.left(i) + u'&' + text.mid(i);
        }
    }
    return text;
}

// Entries take their texts with an Alt key each, unique within the menu; a text that brings
// its own "&" keeps it, and the others keep clear of it.
void localiseMenu(QWidget *menu, QList<QWidget *> &seen) {
    if (seen.contains(menu))
        return;
    seen.append(menu);
    const QList<QAction *> actions = menu->actions();
    QList<std::optional<QString>> texts;
    QString taken;
    for (QAction *action : actions) {
        texts.append(entryFor(action->text()));
        const QChar own = mnemonicOf(texts.constLast().value_or(action->text()));
        if (!own.isNull())
            taken += own;
    }
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (const auto &text = texts[i])
            actions[i]->setText(mnemonicOf(*text).isNull() ? withMnemonic(*text, taken) : *text);
        if (QMenu *subMenu = actions[i]->menu())
            localiseMenu(subMenu, seen);
    }
}

void localiseToolBar(QToolBar *toolBar) {
    for (QAction *action : toolBar->actions())
        if (const auto tip = entryFor(action->toolTip()))
            action->setToolTip(*tip);
}

void localiseTabs(QTabBar *bar, const QStringList &tags) {
    for (int i = 0; i < bar->count(); ++i) {
        if (i < tags.size())
            if (const auto text = entryFor(tags[i]))
                bar->setTabText(i, *text);
        if (const auto tip = entryFor(bar->tabToolTip(i)))
            bar->setTabToolTip(i, *tip);
    }
}

void localiseColumns(QTreeWidget *tree) {
    QTreeWidgetItem *header = tree->headerItem();
    for (int column = 0; header && column < header->columnCount(); ++column)
        if (const auto text = entryFor(header->text(column)))
            header->setText(column, *text);
}

void localiseColumns(QTableWidget *table) {
    for (int column = 0; column < table->columnCount(); ++column)
        if (QTableWidgetItem *header = table->horizontalHeaderItem(column))
            if (const auto text = entryFor(header->text()))
                header->setText(*text);
}

// Widgets without a caption (text boxes, lists ...) only get their tool tip.
void setCaption(QWidget *widget, const QString &caption) {
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(caption);
    else if (auto *group = qobject_cast<QGroupBox *>(widget))
        group->setTitle(caption);
    else if (auto *dock = qobject_cast<QDockWidget *>(widget))
        dock->setWindowTitle(caption);
}

void localiseOther(QWidget *widget) {
    if (const auto caption = entryForLeadingNumber(tagOf(widget)))
        setCaption(widget, *caption);
    if (const auto tip = entryForLeadingNumber(widget->toolTip()))
        widget->setToolTip(*tip);
}

void localiseControl(QWidget *control, QList<QWidget *> &seenMenus) {
    if (auto *label = qobject_cast<QLabel *>(control)) {
        if (const auto text = entryFor(tagOf(label)))
            label->setText(*text);
    } else if (qobject_cast<QMenuBar *>(control) || qobject_cast<QMenu *>(control)) {
        localiseMenu(control, seenMenus);
    } else if (auto *toolBar = qobject_cast<QToolBar *>(control)) {
        localiseToolBar(toolBar);
    } else if (auto *tabs = qobject_cast<QTabWidget *>(control)) {
        localiseTabs(tabs->tabBar(), tabs->property("TabTags").toStringList());
    } else if (auto *bar = qobject_cast<QTabBar *>(control)) {
        localiseTabs(bar, bar->property("TabTags").toStringList());
    } else if (auto *tree = qobject_cast<QTreeWidget *>(control)) {
        localiseColumns(tree);
    } else if (auto *table = qobject_cast<QTableWidget *>(control)) {
        localiseColumns(table);
    } else {
        localiseOther(control);
    }
}

} // namespace

void LocaliseCaptions(QWidget *window) {
    if (!window)
        return;
    if (const auto title = entryFor(tagOf(window)))
        window->setWindowTitle(*title);
    // The table names no window font (entries 20 and 21 are absent), so every control keeps
    // the font it inherits from the window.
    QList<QWidget *> seenMenus;
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls)
        localiseControl(control, seenMenus);
}
