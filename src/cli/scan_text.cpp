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
// insertion order, so each lands under it.
class OutlineSink : public ScanSink {
public:
    void node(const QString &parentKey, const QString &key, const QString &text) override {
        if (parentKey.isEmpty()) {
            m_groups.append(Group{key, text, {}});
            return;
        }
        const bool member = NavigatorKeys::isMember(key);
        Group *group =
            find(member ? NavigatorKeys::topLevel(NavigatorKeys::kind(parentKey)) : parentKey);
        if (!group)
            return;
        m_line.clear();
        m_line.append(QLatin1StringView(member ? "    " : "  "));
        m_line.append(text);
        m_line.append(u'\n');
        group->lines.append(m_utf8.encode(m_line));
    }

    void write(QTextStream &out) {
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
            // Out in pieces that end at a line end, so no character is cut.
            constexpr qsizetype kPiece = 1 << 16;
            qsizetype start = 0;
            while (start < group.lines.size()) {
                qsizetype end = qMin(start + kPiece, group.lines.size());
                if (end < group.lines.size())
                    end = group.lines.indexOf('\n', end - 1) + 1;
                out << QString::fromUtf8(QByteArrayView(group.lines).sliced(start, end - start));
                start = end;
            }
            group.lines = QByteArray();
        }
    }

private:
    struct Group {
        QString key;
        QString text;
        QByteArray lines;
    };

    Group *find(const QString &key) {
        for (Group &group : m_groups)
            if (group.key == key)
                return &group;
        return nullptr;
    }

    QList<Group> m_groups;
    QString m_line;
    QStringEncoder m_utf8{QStringConverter::Utf8};
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

void writeOutline(QTextStream &out, const QList<NavigatorNode> &nodes) {
    // The children of each parent key, in insertion order, as a chain through `next`: one
    // number per node instead of a list per parent, and a table only as long as the parents.
    struct Chain {
        qsizetype first = -1, last = -1;
    };
    QHash<QString, Chain> children;
    std::vector<qsizetype> next(std::size_t(nodes.size()), -1);
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        Chain &chain = children[nodes[i].parentKey];
        (chain.last < 0 ? chain.first : next[std::size_t(chain.last)]) = i;
        chain.last = i;
    }

    QList<qsizetype> top;
    for (qsizetype i = children.value(QString()).first; i >= 0; i = next[std::size_t(i)])
        top.append(i);
    const QString labelsKey = NavigatorKeys::topLevel(NavigatorKeys::kLabels);
    const auto labels = std::find_if(top.begin(), top.end(),
                                     [&](qsizetype i) { return nodes[i].key == labelsKey; });
    if (labels != top.end() && labels != top.begin()) {
        const qsizetype index = *labels;
        top.erase(labels);
        top.insert(1, index);
    }

    auto add = [&](auto &self, qsizetype i, int depth) -> void {
        for (int blank = 0; blank < depth * 2; ++blank)
            out << u' ';
        out << nodes[i].text << u'\n';
        const auto chain = children.constFind(nodes[i].key);
        if (chain == children.cend())
            return;
        for (qsizetype child = chain->first; child >= 0; child = next[std::size_t(child)])
            self(self, child, depth + 1);
    };
    for (qsizetype i : top)
        add(add, i, 0);
}

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

bool write(QTextStream &out, const FileScan &file) {
    OutlineSink outline;
    file.replay(outline);
    outline.write(out);
    return writeFindings(out, file);
}

} // namespace ScanText
