#include "cli/scan_json.h"

namespace {

char16_t hexDigit(unsigned value) {
    return char16_t(value < 10 ? u'0' + value : u'a' + value - 10);
}

// A JSON string as QJsonDocument escapes it: quote, backslash and the control characters,
// and a surrogate without its partner as \uXXXX; everything else as it stands.
void writeString(QTextStream &out, QStringView text) {
    QString piece;
    piece.reserve(qMin<qsizetype>(text.size(), 4096) + 8);
    piece += u'"';
    const char16_t *data = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i];
        const bool high = QChar::isHighSurrogate(c);
        const bool paired = high && i + 1 < n && QChar::isLowSurrogate(data[i + 1]);
        if (paired) {
            piece += QChar(c);
            piece += QChar(data[++i]);
        } else if (c == u'"' || c == u'\\') {
            piece += u'\\';
            piece += QChar(c);
        } else if (c < 0x20 || QChar::isSurrogate(c)) {
            piece += u'\\';
            switch (c) {
            case u'\b':
                piece += u'b';
                break;
            case u'\f':
                piece += u'f';
                break;
            case u'\n':
                piece += u'n';
                break;
            case u'\r':
                piece += u'r';
                break;
            case u'\t':
                piece += u't';
                break;
            default:
                piece += u'u';
                for (int shift = 12; shift >= 0; shift -= 4)
                    piece += QChar(hexDigit((c >> shift) & 0xF));
            }
        } else {
            piece += QChar(c);
        }
        // A long string goes out in pieces.
        if (piece.size() >= 4096) {
            out << piece;
            piece.clear();
        }
    }
    piece += u'"';
    out << piece;
}

// Writes the members of an object or the elements of an array, comma-separated.
class Separated {
public:
    explicit Separated(QTextStream &out) : m_out(out) {}
    QTextStream &next() {
        if (!m_first)
            m_out << u',';
        m_first = false;
        return m_out;
    }
    QTextStream &key(QLatin1StringView name) {
        next() << u'"' << name << QStringLiteral("\":");
        return m_out;
    }

private:
    QTextStream &m_out;
    bool m_first = true;
};

void writeStrings(QTextStream &out, const QStringList &list) {
    out << u'[';
    Separated items(out);
    for (const QString &item : list)
        writeString(items.next(), item);
    out << u']';
}

QLatin1StringView kindName(ScanReport::Kind kind) {
    switch (kind) {
    case ScanReport::Kind::DuplicateName:
    case ScanReport::Kind::IncludedDuplicateName:
        return QLatin1StringView("duplicate");
    case ScanReport::Kind::MissingInclude:
    case ScanReport::Kind::UnreadableInclude:
        break;
    }
    // A header that exists but cannot be read is as missing to the scan; its text says why.
    return QLatin1StringView("missing-include");
}

} // namespace

namespace ScanJson {

// Keys in the order QJsonObject keeps them: sorted.
bool write(QTextStream &out, const FileScan &file) {
    const ScanResult &scan = file.scan;
    const qsizetype found = file.undefinedCount();
    out << u'{';
    Separated members(out);

    members.key(QLatin1StringView("completions")) << u'[';
    Separated completions(out);
    for (const CompletionEntry &entry : scan.completions) {
        completions.next() << u'{';
        Separated fields(out);
        writeString(fields.key(QLatin1StringView("description")), entry.description);
        fields.key(QLatin1StringView("icon")) << entry.icon;
        writeString(fields.key(QLatin1StringView("name")), entry.name);
        writeString(fields.key(QLatin1StringView("params")), entry.params);
        out << u'}';
    }
    out << u']';

    writeStrings(members.key(QLatin1StringView("declared")), scan.lstProc);
    writeString(members.key(QLatin1StringView("file")), file.absolutePath);
    if (file.undefined)
        writeString(members.key(QLatin1StringView("message")),
                    undefinedSearchMessage(found));

    members.key(QLatin1StringView("nodes")) << u'[';
    Separated nodes(out);
    for (const NavigatorNode &node : scan.nodes) {
        nodes.next() << u'{';
        Separated fields(out);
        writeString(fields.key(QLatin1StringView("key")), node.key);
        writeString(fields.key(QLatin1StringView("parent")), node.parentKey);
        writeString(fields.key(QLatin1StringView("text")), node.text);
        out << u'}';
    }
    out << u']';

    members.key(QLatin1StringView("reports")) << u'[';
    Separated reports(out);
    for (const ScanReport &report : scan.reports) {
        reports.next() << u'{';
        Separated fields(out);
        fields.key(QLatin1StringView("kind")) << u'"' << kindName(report.kind) << u'"';
        fields.key(QLatin1StringView("line")) << (report.line + 1);
        writeString(fields.key(QLatin1StringView("text")), report.message);
        out << u'}';
    }
    out << u']';

    if (file.undefined) {
        members.key(QLatin1StringView("undefined")) << u'[';
        Separated findings(out);
        file.undefined([&](int line, QStringView word) {
            findings.next() << QStringLiteral("{\"line\":") << (line + 1)
                            << QStringLiteral(",\"word\":");
            writeString(out, word);
            out << u'}';
            return out.status() == QTextStream::Ok;
        });
        out << u']';
    }

    members.key(QLatin1StringView("words")) << u'{';
    Separated words(out);
    writeStrings(words.key(QLatin1StringView("constants")), scan.constants);
    writeStrings(words.key(QLatin1StringView("functions")), scan.functions);
    writeStrings(words.key(QLatin1StringView("labels")), scan.labels);
    writeStrings(words.key(QLatin1StringView("variables")), scan.variables);
    out << QStringLiteral("}}");
    return found > 0;
}

QByteArray line(const FileScan &file) {
    QString text;
    QTextStream out(&text);
    write(out, file);
    out.flush();
    return text.toUtf8();
}

} // namespace ScanJson
