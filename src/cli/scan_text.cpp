#include "cli/scan_text.h"

#include "analysis/navigator_keys.h"

#include <QHash>
#include <QStringEncoder>
#include <algorithm>
#include <vector>

namespace {

QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

void writeLocated(QTextStream &out, const FileScan &file, int line) {
    out << file.name << u':' << (line + 1) << QStringLiteral(": ");
}

// The outline of a scan as it comes: each top-level node's subtree as UTF-8 lines, so the
// groups can be written in display order at the end. Members follow their procedure in
// insertion order, so each lands under it. An outline larger than `held` bytes is not held:
// the scan is then replayed once per group, each writing its lines straight out.
class OutlineSink : public ScanSink {
public:
    static constexpr qsizetype kPiece = 1 << 16;

    void node(const QString &parentKey, QString key, QString text, int) override {
        if (parentKey.isEmpty()) {
            if (!m_only)
                m_groups.append(Group{key, text, {}});
            return;
        }
        const bool member = NavigatorKeys::isMember(key);
        const QString groupKey =
            member ? NavigatorKeys::topLevel(NavigatorKeys::kind(parentKey)) : parentKey;
        const QStringView indent = member ? u"    " : u"  ";
        if (m_only) {
            if (groupKey == m_only->key) {
                // In pieces: the stream would copy a long text whole into its buffer.
                m_out << indent;
                for (qsizetype at = 0; at < text.size(); at += kPiece)
                    m_out << QStringView(text).sliced(at, qMin(kPiece, text.size() - at));
                m_out << u'\n';
            }
            return;
        }
        Group *group = find(groupKey);
        if (!group || m_overflowed)
            return;
        append(group->lines, indent);
        append(group->lines, text);
        append(group->lines, u"\n");
        if (m_held > m_limit) {
            m_overflowed = true;
            for (Group &each : m_groups)
                each.lines.clear();
        }
    }

    void write(QTextStream &out, const FileScan &file) {
        // "Labels" is shown second wherever the scan made it.
        const auto labels = std::find_if(m_groups.begin(), m_groups.end(), [](const Group &g) {
            return g.key == NavigatorKeys::topLevel(NavigatorKeys::kLabels);
        });
        if (labels != m_groups.end() && labels != m_groups.begin() &&
            labels != m_groups.begin() + 1) {
            Group moved = std::move(*labels);
            m_groups.erase(labels);
            m_groups.insert(1, std::move(moved));
        }
        for (Group &group : m_groups) {
            out << group.text << u'\n';
            if (m_overflowed) {
                OutlineSink one(out, group);
                file.replay(one);
                continue;
            }
            // The encoder cuts no character in two, so each block decodes on its own.
            for (QByteArray &block : group.lines) {
                out << QString::fromUtf8(block);
                block = QByteArray();
            }
        }
    }

    OutlineSink(QTextStream &out, qsizetype held) : m_out(out), m_limit(held) {}

private:
    struct Group {
        QString key;
        QString text;
        QList<QByteArray> lines; // the subtree, UTF-8
    };

    // Writes the lines of `only` alone, as they come.
    OutlineSink(QTextStream &out, const Group &only) : m_out(out), m_only(&only) {}

    // Encoded in place, a long text in pieces: one encoder for all keeps what the stream
    // would write for the same characters.
    // Blocks of a fixed size rather than one buffer, which would grow to twice what it holds.
    void append(QList<QByteArray> &blocks, QStringView text) {
        // A piece's room is reserved for its worst case (three bytes a character): pieces
        // far smaller than a block keep the blocks nearly full.
        constexpr qsizetype kBlock = 1 << 18;
        constexpr qsizetype kEncoded = 1 << 12;
        for (qsizetype at = 0; at < text.size(); at += kEncoded) {
            const QStringView piece = text.sliced(at, qMin(kEncoded, text.size() - at));
            const qsizetype space = m_utf8.requiredSpace(piece.size());
            if (blocks.isEmpty() || blocks.last().capacity() - blocks.last().size() < space) {
                blocks.append(QByteArray());
                blocks.last().reserve(qMax(kBlock, space));
                m_held += blocks.last().capacity();
            }
            QByteArray &bytes = blocks.last();
            const qsizetype size = bytes.size();
            bytes.resize(size + space);
            char *end = m_utf8.appendToBuffer(bytes.data() + size, piece);
            bytes.resize(end - bytes.constData());
        }
    }

    Group *find(const QString &key) {
        for (Group &group : m_groups)
            if (group.key == key)
                return &group;
        return nullptr;
    }

    QTextStream &m_out;
    const Group *m_only = nullptr;
    QList<Group> m_groups;
    QStringEncoder m_utf8{QStringConverter::Utf8};
    qsizetype m_limit = 0;
    qsizetype m_held = 0;
    bool m_overflowed = false;
};

// Writes each report as the scan makes it.
class ReportSink : public ScanSink {
public:
    ReportSink(QTextStream &out, const FileScan &file) : m_out(out), m_file(file) {}
    void report(const ScanReport &report) override {
        writeLocated(m_out, m_file, report.line);
        m_out << oneLine(report.message) << u'\n';
    }

private:
    QTextStream &m_out;
    const FileScan &m_file;
};

} // namespace

namespace ScanText {

bool writeFindings(QTextStream &out, const FileScan &file) {
    ReportSink reports(out, file);
    file.replay(reports);
    bool found = false;
    if (file.undefined)
        file.undefined([&](int line, QStringView word) {
            found = true;
            writeLocated(out, file, line);
            out << QStringLiteral("undefined name '") << word << QStringLiteral("'\n");
            return out.status() == QTextStream::Ok;
        });
    return found;
}

bool write(QTextStream &out, const FileScan &file, qsizetype held) {
    OutlineSink outline(out, held);
    file.replay(outline);
    outline.write(out, file);
    return writeFindings(out, file);
}

} // namespace ScanText
