#pragma once

#include "analysis/navigator_node.h"
#include "analysis/undefined_search_result.h"
#include "analysis/vocabulary_names.h"

#include <QList>
#include <QStringList>

// The search for undefined externals: every word of every line that neither the fixed
// vocabulary nor lstProc (ignoring case) nor the navigator for the line's procedure
// (matching case) knows. Comments are cut at "REM", strings are dropped, and words that
// start with a digit or a sign are never looked at. Linear in the size of the text.
UndefinedSearchResult findUndefined(const QStringList &lines, const VocabularyNames &vocabulary,
                                    const QStringList &lstProc, const QList<NavigatorNode> &nodes);
