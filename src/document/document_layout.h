#pragma once

#include <QRect>
#include <optional>

// Where a document window puts its navigator tree and its editor, in pixels of the window's
// inner area: a margin of 10 at the top and the left, a gap of 10 between the panes, and both
// panes reaching the right and bottom edges. The tree takes the first quarter of the width.
struct DocumentLayout {
    bool treeVisible = false;
    // A pane that would get a negative width or height keeps its old place: the window is
    // too small for it.
    std::optional<QRect> tree;
    std::optional<QRect> editor;

    bool operator==(const DocumentLayout &) const = default;

    static DocumentLayout forSize(int width, int height, bool navigatorVisible);
};
