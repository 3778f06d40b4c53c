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
    : QDialog(parent), m_editor(editor), m_prompts(prompts),
      m_findText(named(new QLineEdit, "findText")),
      m_replaceLabel(new QLabel(QStringLiteral("Replace &with:"))),
      m_replaceText(named(new QLineEdit, "replaceText")),
      m_matchCase(named(new QCheckBox(QStringLiteral("Match &case")), "matchCase")),
      m_wholeWord(named(new QCheckBox(QStringLiteral("Whole &word")), "wholeWord")),
      m_wrap(named(new QCheckBox(QStringLiteral("Wra&p around")), "wrap")),
      m_up(named(new QRadioButton(QStringLiteral("&Up")), "up")),
      m_down(named(new QRadioButton(QStringLiteral("&Down")), "down")),
      m_findNext(named(new QPushButton(QStringLiteral("&Find Next")), "findNext")),
      m_replace(named(new QPushButton(QStringLiteral("&Replace")), "replace")),
      m_replaceAll(named(new QPushButton(QStringLiteral("Replace &All")), "replaceAll")) {
    auto *findLabel = new QLabel(QStringLiteral("Fi&nd what:"));
    findLabel->setBuddy(m_findText);
    m_replaceLabel->setBuddy(m_replaceText);
    m_wrap->setChecked(true);
    m_down->setChecked(true);

    auto *direction = new QGroupBox(QStringLiteral("Direction"));
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    auto *fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_findText, 0, 1);
    fields->addWidget(m_replaceLabel, 1, 0);
    fields->addWidget(m_replaceText, 1, 1);
    fields->addWidget(m_matchCase, 2, 0, 1, 2);
    fields->addWidget(m_wholeWord, 3, 0, 1, 2);
    fields->addWidget(m_wrap, 4, 0, 1, 2);
    fields->addWidget(direction, 5, 0, 1, 2);

    auto *close = named(new QPushButton(QStringLiteral("Close")), "close");
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {m_findNext, m_replace, m_replaceAll, close})
        buttons->addWidget(button);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    m_findNext->setDefault(true);
    connect(m_findNext, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(m_replace, &QPushButton::clicked, this, &FindDialog::replaceNext);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindDialog::replaceAll);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_findText, &QLineEdit::textChanged, this, &FindDialog::updateButtons);
    updateButtons();
}

void FindDialog::start(bool replace, const QString &text) {
    setWindowTitle(replace ? EditorSearch::ReplaceTitle : EditorSearch::FindTitle);
    for (QWidget *w :
         {static_cast<QWidget *>(m_replaceLabel), static_cast<QWidget *>(m_replaceText),
          static_cast<QWidget *>(m_replace), static_cast<QWidget *>(m_replaceAll)})
        w->setVisible(replace);
    if (!text.isEmpty())
        m_findText->setText(text);
    adjustSize();
    show();
    raise();
    activateWindow();
    m_findText->setFocus();
    m_findText->selectAll();
}

SearchOptions FindDialog::options() const {
    SearchOptions options;
    options.text = m_findText->text();
    options.replacement = m_replaceText->text();
    options.matchCase = m_matchCase->isChecked();
    options.wholeWord = m_wholeWord->isChecked();
    options.wrap = m_wrap->isChecked();
    options.backwards = m_up->isChecked();
    return options;
}

void FindDialog::findNext() {
    const SearchOptions current = options();
    Q_EMIT searched(current);
    if (!EditorSearch::findNext(m_editor, current))
        m_prompts.message(EditorSearch::notFoundMessage(current.text), windowTitle(),
                          MessageIcon::Information, MessageButtons::Ok);
}

void FindDialog::replaceNext() {
    const SearchOptions current = options();
    Q_EMIT searched(current);
    if (!EditorSearch::replaceNext(m_editor, current))
        m_prompts.message(EditorSearch::notFoundMessage(current.text), windowTitle(),
                          MessageIcon::Information, MessageButtons::Ok);
}

void FindDialog::replaceAll() {
    const SearchOptions current = options();
    Q_EMIT searched(current);
    const int count = EditorSearch::replaceAll(m_editor, current);
    m_prompts.message(count == 0 ? EditorSearch::notFoundMessage(current.text)
                                 : EditorSearch::replacedMessage(count),
                      windowTitle(), MessageIcon::Information, MessageButtons::Ok);
}

void FindDialog::updateButtons() {
    const bool hasText = !m_findText->text().isEmpty();
    for (QPushButton *button : {m_findNext, m_replace, m_replaceAll})
        button->setEnabled(hasText);
}
