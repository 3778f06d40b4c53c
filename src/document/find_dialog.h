#pragma once

#include "document/search_options.h"

#include <QDialog>

class Prompts;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class rtfText;

// The editor's find dialog, with a replace section that Find And Replace shows. It stays open
// beside the text (non-modal); Enter runs Find Next, Escape closes it.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    FindDialog(rtfText &editor, Prompts &prompts, QWidget *parent = nullptr);

    // Shows the dialog for finding or for replacing, with `text` in the search field when it
    // is not empty, and puts the focus in the search field.
    void start(bool replace, const QString &text);
    SearchOptions options() const;

Q_SIGNALS:
    // A search or replacement ran with these options.
    void searched(const SearchOptions &options);

private:
    void findNext();
    void replaceNext();
    void replaceAll();
    void updateButtons();

    rtfText &m_editor;
    Prompts &m_prompts;
    QLineEdit *m_findText;
    QLabel *m_replaceLabel;
    QLineEdit *m_replaceText;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QCheckBox *m_wrap;
    QRadioButton *m_up;
    QRadioButton *m_down;
    QPushButton *m_findNext;
    QPushButton *m_replace;
    QPushButton *m_replaceAll;
};
