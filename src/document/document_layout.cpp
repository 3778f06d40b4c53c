#include "document/document_layout.h"

namespace {

constexpr int Margin = 10;

std::optional<QRect> placement(int left, int top, int width, int height) {
    if (width < 0 || height < 0)
        return std::nullopt;
    return QRect(left, top, width, height);
}

} // namespace

DocumentLayout DocumentLayout::forSize(int width, int height, bool navigatorVisible) {
    DocumentLayout layout;
    layout.treeVisible = navigatorVisible;
    const int paneHeight = height - Margin;
    if (!navigatorVisible) {
        layout.editor = placement(Margin, Margin, width - Margin, paneHeight);
        return layout;
    }
    const int quarter = width / 4;
    layout.tree = placement(Margin, Margin, quarter - Margin, paneHeight);
    // The editor's width is what is left, so it ends at the right edge whatever the rounding.
    const int editorLeft = quarter + Margin;
    layout.editor = placement(editorLeft, Margin, width - editorLeft, paneHeight);
    return layout;
}
