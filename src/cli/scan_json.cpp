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

// Writes one part of a scan as the scan makes it: the elements of one array.
class PartSink : public ScanSink {
public:
    enum class Part { Completions, Declared, Nodes, Reports, Words };
    PartSink(QTextStream &out, Part part, Words words = Words::Variables)
        : m_out(out), m_items(out), m_part(part), m_words(words) {}

    void completion(const QString &name, QString params, int icon, QString description) override {
        if (m_part != Part::Completions)
            return;
        m_items.next() << u'{';
        Separated fields(m_out);
        writeString(fields.key(QLatin1StringView("description")), description);
        fields.key(QLatin1StringView("icon")) << icon;
        writeString(fields.key(QLatin1StringView("name")), name);
        writeString(fields.key(QLatin1StringView("params")), params);
        m_out << u'}';
    }
    void declared(const QString &name) override {
        if (m_part == Part::Declared)
            writeString(m_items.next(), name);
    }
    void node(const QString &parentKey, QString key, QString text, int) override {
        if (m_part != Part::Nodes)
            return;
        m_items.next() << u'{';
        Separated fields(m_out);
        writeString(fields.key(QLatin1StringView("key")), key);
        writeString(fields.key(QLatin1StringView("parent")), parentKey);
        writeString(fields.key(QLatin1StringView("text")), text);
        m_out << u'}';
    }
    void report(const ScanReport &report) override {
        if (m_part != Part::Reports)
            return;
        m_items.next() << u'{';
        Separated fields(m_out);
        fields.key(QLatin1StringView("kind")) << u'"' << kindName(report.kind) << u'"';
        fields.key(QLatin1StringView("line")) << (report.line + 1);
        writeString(fields.key(QLatin1StringView("text")), report.message);
        m_out << u'}';
    }
    void word(Words list, const QString &word) override {
        if (m_part == Part::Words && list == m_words)
            writeString(m_items.next(), word);
    }

private:
    QTextStream &m_out;
    Separated m_items;
    Part m_part;
    Words m_words;
};

void writePart(QTextStream &out, const FileScan &file, PartSink::Part part,
               ScanSink::Words words = ScanSink::Words::Variables) {
    out << u'[';
    PartSink sink(out, part, words);
    file.replay(sink);
    out << u']';
}

} // namespace

namespace ScanJson {

// Keys in the order QJsonObject keeps them: sorted. Each array is written by a scan of its
// own, so no part is held whole.
bool write(QTextStream &out, const FileScan &file) {
    using Part = PartSink::Part;
    using Words = ScanSink::Words;
    const qsizetype found = file.undefinedCount();
    out << u'{';
    Separated members(out);
    members.key(QLatin1StringView("completions"));
    writePart(out, file, Part::Completions);
    members.key(QLatin1StringView("declared"));
    writePart(out, file, Part::Declared);
    writeString(members.key(QLatin1StringView("file")), file.absolutePath);
    if (file.undefined)
        writeString(members.key(QLatin1StringView("message")), undefinedSearchMessage(found));
    members.key(QLatin1StringView("nodes"));
    writePart(out, file, Part::Nodes);
    members.key(QLatin1StringView("reports"));
    writePart(out, file, Part::Reports);

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
    for (const auto &[name, list] :
         {std::pair{"constants", Words::Constants}, std::pair{"functions", Words::Functions},
          std::pair{"labels", Words::Labels}, std::pair{"variables", Words::Variables}}) {
        words.key(QLatin1StringView(name));
        writePart(out, file, Part::Words, list);
    }
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
