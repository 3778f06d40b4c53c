#pragma once

#include "analysis/declared_names.h"
#include "analysis/navigator_node.h"
#include "analysis/scope_index.h"
#include "analysis/source_lines.h"
#include "analysis/undefined_search_result.h"
#include "analysis/vocabulary_names.h"

#include <QList>
#include <QStringList>
#include <QStringView>
#include <functional>

// The search for undefined externals: every word of every line that neither the fixed
// vocabulary nor lstProc (ignoring case) nor the navigator for the line's procedure
// (matching case) knows. Comments are cut at "REM", strings are dropped, and words that
// start with a digit or a sign are never looked at. Linear in the size of the text.
UndefinedSearchResult findUndefined(const SourceLines &lines, const VocabularyNames &vocabulary,
                                    const QStringList &lstProc, const QList<NavigatorNode> &nodes);
inline UndefinedSearchResult findUndefined(const QStringList &lines,
                                           const VocabularyNames &vocabulary,
                                           const QStringList &lstProc,
                                           const QList<NavigatorNode> &nodes) {
    return findUndefined(SourceLines(lines), vocabulary, lstProc, nodes);
}

// The same search handing each finding to `visit` as it is met, without keeping any, for
// output that may be larger than memory. Stops when `visit` returns false; returns false then.
using UndefinedVisitor = std::function<bool(int line, QStringView word)>;
bool searchUndefined(const SourceLines &lines, const VocabularyNames &vocabulary,
                     const QStringList &lstProc, const QList<NavigatorNode> &nodes,
                     const UndefinedVisitor &visit);

// The same over the names a scan declared and its navigator, indexed by the caller (which may
// leave out of `scope` what `declared` holds).
bool searchUndefined(const SourceLines &lines, const VocabularyNames &vocabulary,
                     const DeclaredNames &declared, const ScopeIndex &scope,
                     const UndefinedVisitor &visit);

// The message the search ends with, giving the number of findings when there are any.
QString undefinedSearchMessage(qsizetype count);
