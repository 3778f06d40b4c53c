#pragma once

// Invariants of the scanner and the undefined-name search on arbitrary input, shared by the
// libFuzzer targets and by the test that replays the inputs they found. Each check returns
// "" when all holds, else what broke.

#include "analysis/source_scanner.h"
#include "analysis/undefined_search.h"
#include "base/text_codec.h"

#include <QSet>
#include <cstdint>

namespace AnalysisFuzz {

struct Input {
    QStringList lines;
    QString header; // what every INCLUDE reads
};

// The first byte picks the decoding (UTF-8, or one byte per character when odd); a 0xFF
// byte splits the document from the header.
inline Input decode(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return {};
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    const auto text = [&](const QByteArray &b) {
        return (data[0] & 1) ? TextCodec::decodeWindows1252(b) : QString::fromUtf8(b);
    };
    const qsizetype split = bytes.indexOf('\xFF');
    if (split < 0)
        return {TextCodec::splitLines(text(bytes)), {}};
    return {TextCodec::splitLines(text(bytes.first(split))), text(bytes.sliced(split + 1))};
}

inline VocabularyNames vocabulary() {
    return VocabularyNames({"PRINT", "GOTO", "LOCAL", "A", "é"});
}

inline ScanResult scan(const Input &input) {
    const IncludeReader reader = [&](const QString &) {
        return IncludeFile{IncludeFile::Status::Read, input.header, {}};
    };
    return scanSource(input.lines, vocabulary(), "/inc", reader, "fuzz");
}

inline QString checkScan(const Input &input) {
    const ScanResult result = scan(input);
    if (!(scan(input) == result) || (input.lines.size() < 2 && !(result == ScanResult{})))
        return "scans differ";
    QSet<QString> keys;
    for (const NavigatorNode &node : result.nodes) {
        if (keys.contains(node.key) ||
            (!node.parentKey.isEmpty() && !keys.contains(node.parentKey)))
            return "key taken or parent missing: " + node.key;
        keys.insert(node.key);
    }
    QSet<QString> folded;
    for (const QString &name : result.lstProc) {
        if (name.isEmpty() || vocabulary().contains(name) || folded.contains(name.toUpper()))
            return "lstProc holds a taken name: " + name;
        folded.insert(name.toUpper());
    }
    return {};
}

inline QString checkUndefined(const Input &input) {
    const ScanResult scanned = scan(input);
    const UndefinedSearchResult result =
        findUndefined(input.lines, vocabulary(), scanned.lstProc, scanned.nodes);
    const DeclaredNames declared(scanned.lstProc);
    for (const UndefinedFinding &finding : result.findings)
        if (finding.word.isEmpty() || finding.word[0].unicode() < 65 ||
            finding.word.contains(u' ') || !IsNameFree(finding.word, vocabulary(), declared))
            return "bad finding: " + finding.word;
    return {};
}

} // namespace AnalysisFuzz
