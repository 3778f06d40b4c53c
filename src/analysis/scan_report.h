#pragma once

#include <QString>
#include <QTypeInfo>

// Something the scan has to tell the user, in the order it happened. The window plays each
// one: a duplicate in the document moves to its line and colours it while the message is up.
struct ScanReport {
    enum class Kind {
        DuplicateName,         // information icon; mark `line` yellow while shown
        IncludedDuplicateName, // information icon; no line is marked
        MissingInclude,        // critical icon
        UnreadableInclude,     // critical icon; the file exists but could not be read
    };

    Kind kind = Kind::DuplicateName;
    int line = 0;    // 0-based document line being scanned (the INCLUDE line for includes)
    QString subject; // the rejected name, or the include path
    QString message; // the message box text, complete
    bool operator==(const ScanReport &) const = default;
};

// Line colours for playing a duplicate report (0x00BBGGRR).
inline constexpr unsigned kDuplicateLineColour = 56540; // yellow
inline constexpr unsigned kPlainLineColour = 16777215;  // white
Q_DECLARE_TYPEINFO(ScanReport, Q_RELOCATABLE_TYPE);
