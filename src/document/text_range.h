#pragma once

// A stretch of the editor's text by 0-based lines and character columns. For a selection the
// start is the anchor and the end is where the caret is.
struct TextRange {
    int startLine = 0;
    int startColumn = 0;
    int endLine = 0;
    int endColumn = 0;
    bool operator==(const TextRange &) const = default;
};
