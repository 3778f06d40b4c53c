#pragma once

#include "analysis/undefined_finding.h"

#include <QList>
#include <QString>

// What the search for undefined names found. The window first gives every line its plain
// colour, then applies the findings in order, then shows `message`: with the exclamation
// icon when `found`, else with the information icon.
struct UndefinedSearchResult {
    QList<UndefinedFinding> findings;
    bool found = false;
    QString message;
    bool operator==(const UndefinedSearchResult &) const = default;
};

// Line colours of the search (0x00BBGGRR).
inline constexpr unsigned kUndefinedLineColour = 10526975; // light red
