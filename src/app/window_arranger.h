#pragma once

class QMdiArea;

// The Window menu's arrangements of the child windows, by the frame's arrange codes.
namespace WindowArranger {

enum Code {
    Cascade = 0,        // "Over": Qt's cascade
    TileHorizontal = 1, // "Order": stacked top to bottom, each the full width
    TileVertical = 2,   // "Deck": side by side, each the full height
    ArrangeIcons = 3,   // "Sort": the minimised windows in a row along the bottom
};

// Order and Deck place the windows that are not minimised, in the order they were opened;
// a maximised one is restored first. Other codes do nothing.
void Arrange(QMdiArea &area, int code);

} // namespace WindowArranger
