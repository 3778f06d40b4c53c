#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// The command reference (OPLCommands.RTF) cut into one section per command, each as Markdown
// for a client's hover. A section starts at a heading, a paragraph set wholly in bold, as the
// reference viewer finds it, and runs to the next one.
class ReferenceSections {
public:
    static ReferenceSections fromRtf(QByteArrayView rtf);

    // The section of the command `name` (ignoring case), or "" when the reference has none.
    QString markdown(const QString &name) const;
    qsizetype size() const { return m_headings.size(); }

private:
    QStringList m_headings;
    QStringList m_sections;
};
