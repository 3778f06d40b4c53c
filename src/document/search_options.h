#pragma once

#include <QString>

// What the find and replace dialogs ask the editor to look for.
struct SearchOptions {
    QString text;
    QString replacement;
    bool matchCase = false;
    bool wholeWord = false;
    bool wrap = true; // go on from the other end of the text
    bool backwards = false;
    bool operator==(const SearchOptions &) const = default;
};
