#pragma once

#include "analysis/scan_report.h"

#include <QString>

// Receives what a scan finds, in the order it finds it: the same things a ScanResult holds,
// one at a time. A caller that writes them out as they come never holds a whole result, which
// on a file of millions of names would be many times the size of the file.
class ScanSink {
public:
    // The four word lists of a ScanResult.
    enum class Words { Variables, Labels, Constants, Functions };

    virtual ~ScanSink() = default;

    // Each does nothing unless overridden: a sink takes what it needs.
    // `line` is the source line that declared the node (the INCLUDE line for a name from a
    // header); -1 for a top-level group.
    // The texts a sink may keep come by value: most are made for the call, and a sink that
    // keeps one takes it over instead of sharing it, which would cost two atomic counts.
    virtual void node(const QString & /*parentKey*/, QString /*key*/, QString /*text*/,
                      int /*line*/) {}
    virtual void completion(const QString & /*name*/, QString /*params*/, int /*icon*/,
                            QString /*description*/) {}
    virtual void report(const ScanReport & /*report*/) {}
    virtual void word(Words /*list*/, const QString & /*word*/) {}
    virtual void declared(const QString & /*name*/) {} // the next name of lstProc
};
