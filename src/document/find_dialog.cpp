#include "document/find_dialog.h"

#include "base/prompts.h"
#include "document/editor_search.h"
#include "document/rtf_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename T> T *named(T *widget, const char *name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

FindDialog::FindDialog(rtfText &editor, Prompts &prompts, QWidget *parent)
    : QDialog(parent), editor_(editor), prompts_(prompts),
      findText_(named(new QLineEdit, "findText")),
      replaceLabel_(new QLabel(QStringLiteral("Replace &with:"))),
      replaceText_(named(new QLineEdit, "replaceText")),
      matchCase_(named(new QCheckBox(QStringLiteral("Match &case")), "matchCase")),
      wholeWord_(named(new QCheckBox(QStringLiteral("Whole &word")), "wholeWord")),
      wrap_(named(new QCheckBox(QStringLiteral("Wra&p around")), "wrap")),
      up_(named(new QRadioButton(QStringLiteral("&Up")), "up")),
      down_(named(new QRadioButton(QStringLiteral("&Down")), "down")),
      findNext_(named(new QPushButton(QStringLiteral("&Find Next")), "findNext")),
      replace_(named(new QPushButton(QStringLiteral("&Replace")), "replace")),
      replaceAll_(named(new QPushButton(QStringLiteral("Replace &All")), "replaceAll")) {
    auto *findLabel = new QLabel(QStringLiteral("Fi&nd what:"));
    findLabel->setBuddy(findText_);
    replaceLabel_->setBuddy(replaceText_);
    wrap_->setChecked(true);
    down_->setChecked(true);

    auto *direction = new QGroupBox(QStringLiteral("Direction"));
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down_);

    auto *fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(findText_, 0, 1);
    fields->addWidget(replaceLabel_, 1, 0);
    fields->addWidget(replaceText_, 1, 1);
    fields->addWidget(matchCase_, 2, 0, 1, 2);
    fields->addWidget(wholeWord_, 3, 0, 1, 2);
    fields->addWidget(wrap_, 4, 0, 1, 2);
    fields->addWidget(direction, 5, 0, 1, 2);

    auto *close = named(new QPushButton(QStringLiteral("Close")), "close");
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {findNext_, replace_, replaceAll_, close})
        buttons->addWidget(button);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    findNext_->setDefault(true);
    connect(findNext_, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(replace_, &QPushButton::clicked, this, &FindDialog::replaceNext);
    connect(replaceAll_, &QPushButton::clicked, this, &FindDialog::replaceAll);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(findText_, &QLineEdit::textChanged, this, &FindDialog::updateButtons);
    updateButtons();
}

void FindDialog::start(bool replace, const QString &text) {
    setWindowTitle(replace ? EditorSearch::ReplaceTitle : EditorSearch::FindTitle);
    for (QWidget *w : {static_cast<QWidget *>(replaceLabel_), static_cast<QWidget *>(replaceText_),
                       static_cast<QWidget *>(replace_), static_cast<QWidget *>(replaceAll_)})
        w->setVisible(replace);
    if (!text.isEmpty())
        findText_->setText(text);
    adjustSize();
    show();
    raise();
    activateWindow();
    findText_->setFocus();
    findText_->selectAll();
}

SearchOptions FindDialog::options() const {
    SearchOptions options;
    options.text = findText_->text();
    options.replacement = replaceText_->text();
    options.matchCase = matchCase_->isChecked();
    options.wholeWord = wholeWord_->isChecked();
    options.wrap = wrap_->isChecked();
    options.backwards = up_->isChecked();
    return options;
}

void FindDialog::findNext() {
    const SearchOptions current = options();
    Q_EMIT searched(current);
    if (!EditorSearch::findNext(editor_, current))
        prompts_.message(EditorSearch::notFoundMessage(current.text), windowTitle(),
                         MessageIcon::Information, MessageButtons::Ok);
}

void FindDialog::replaceNext() {
    const SearchOptions current = options();
    Q_EMIT searched(current);
    if (!EditorSearch::replaceNext(editor_, current))
        prompts_.message(EditorSearch::notFoundMessage(current.text), windowTitle(),
                         MessageIcon::Information, MessageButtons::Ok);
}

void FindDialog::replaceAll() {
    const SearchOptions current = options();
    Q_EMIT searched(current);
    const int count = EditorSearch::replaceAll(editor_, current);
    prompts_.message(count == 0 ? EditorSearch::notFoundMessage(current.text)
                                : EditorSearch::replacedMessage(count),
                     windowTitle(), MessageIcon::Information, MessageButtons::Ok);
}

void FindDialog::updateButtons() {
    const bool hasText = !findText_->text().isEmpty();
    for (QPushButton *button : {findNext_, replace_, replaceAll_})
        button->setEnabled(hasText);
}
