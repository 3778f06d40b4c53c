#pragma once

#include "document/command_catalogue.h"
#include "document/search_options.h"

#include <QPointer>

class FindDialog;
class Prompts;
class rtfText;

// Runs the catalogue's commands on one editor: most are the editor's own key commands, the
// rest (go to line, find and replace, line marks, indentation, view switches) are done here.
class CommandDispatcher {
public:
    CommandDispatcher(rtfText &editor, Prompts &prompts);
    ~CommandDispatcher();

    // Runs a checked call. False, with the editor's lastError() set, when the call is invalid
    // or the command cannot run now.
    bool run(const CommandCatalogue::Call &call);

private:
    bool runOwn(const CommandCatalogue::Call &call);
    void goToLine(int index);
    void askForLine();
    void showFindDialog(bool replace);
    void findAgain(bool backwards);
    void findSelectedText();
    void indentSelectedLines(bool indent);
    void jumpToMark(bool forward);
    void editSelectedLines(bool tabsOnly);

    rtfText &m_editor;
    Prompts &m_prompts;
    QPointer<FindDialog> m_findDialog;
    SearchOptions m_lastSearch;
};
