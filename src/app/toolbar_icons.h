#pragma once

#include <QPixmap>

// The tool bar's 18 images, 16 by 16 pixels on a transparent ground, drawn from SVG files.
// 1 new page, 2 open folder, 3 floppy disk, 4 printer, 5 undo, 6 redo, 7 magnifier,
// 8 scissors, 9 two pages, 10 clipboard, 11 indent, 12 outdent, 13 comment, 14 uncomment,
// 15 translate (gear), 16 font, 17 line numbers, 18 navigator tree.
namespace ToolbarIcons {

inline constexpr int Count = 18;
inline constexpr int Size = 16;

// Image `number` (1..Count) for a device pixel ratio; a null pixmap for any other number.
QPixmap image(int number, qreal devicePixelRatio = 1.0);

} // namespace ToolbarIcons
