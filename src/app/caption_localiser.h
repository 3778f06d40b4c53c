#pragma once

class QWidget;

// Replaces the string-table entry numbers a window carries from its design by their texts.
// Where the numbers sit:
// - the window: dynamic property "Tag" -> window title;
// - a QLabel: property "Tag" -> text;
// - a menu entry (a QAction in a QMenuBar or QMenu, sub-menus included): its text, with a
//   "&" added before the first letter that no other entry of that menu uses for its Alt key;
// - a tool-bar button (a QAction in a QToolBar): its tool tip;
// - a tab of a QTabWidget or QTabBar: the widget's property "TabTags" (one string per tab)
//   -> tab text, and the tab's tool tip;
// - a column of a QTreeWidget or QTableWidget: the header text;
// - any other widget: the leading number of property "Tag" -> its caption (button text,
//   group-box title, dock title), and the leading number of its tool tip.
// A property that holds no number, or a number the table lacks, keeps its value; nothing
// here fails loudly.
void LocaliseCaptions(QWidget *window);
