#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What tamro-scan was asked to do.
struct ScanOptions {
    QStringList files{};                 // in the order given
    bool json = false;                   // one JSON object per file instead of the text form
    bool undefined = false;              // also search for undefined names
    bool vocabularyNames = false;        // print the fixed vocabulary's names first
    bool help = false;                   // print the usage and stop
    std::optional<QString> includeDir{}; // unset: the include folder of tamro.ini

    // Reads a command line whose first element is the program. Returns nothing and sets
    // `error` (one line) when the line cannot be understood or names nothing to do.
    static std::optional<ScanOptions> parse(const QStringList &arguments, QString *error);

    static QString usage();

    bool operator==(const ScanOptions &) const = default;
};
