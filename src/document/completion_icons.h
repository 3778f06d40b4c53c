#pragma once

#include <QPixmap>

// The 16x16 pictures beside the entries of the completion list, by icon number.
class CompletionIcons {
public:
    enum class Kind {
        Procedure, // 9: the document's procedures and OPX functions
        Label,     // 12
        Variable,  // 23: globals and constants
        // The vocabulary's categories, 1 to 7.
        Structure,
        Statement,
        Function,
        Graphics,
        Dialog,
        Database,
        System,
        Other,
    };

    static Kind kind(int icon);
    // The picture for an icon number: each kind has its own shape and colour; Other shows
    // the number itself.
    static QPixmap pixmap(int icon);
};
