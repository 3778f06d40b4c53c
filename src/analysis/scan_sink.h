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
    virtual void node(const QString & /*parentKey*/, const QString & /*key*/,
                      const QString & /*text*/, int /*line*/) {}
    virtual void completion(const QString & /*name*/, const QString & /*params*/, int /*icon*/,
                            const QString & /*description*/) {}
    virtual void report(const ScanReport & /*report*/) {}
    virtual void word(Words /*list*/, const QString & /*word*/) {}
    virtual void declared(const QString & /*name*/) {} // the next name of lstProc
};
