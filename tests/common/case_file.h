#pragma once

#include "common/test_paths.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <gtest/gtest.h>

// Cases kept as text under the test data folder, one a line, fields separated by " => ".
// Blank lines and lines starting with "#" are left out. Bytes no line can hold are written
// <CR>, <LF>, <TAB>, <NUL>, <xHH> (one byte) and <U+HHHH> (a character, as UTF-8).
struct CaseLine {
    int line = 0; // in the file, from 1, for failure messages
    QList<QByteArray> fields;
    QString text(int field) const { return QString::fromUtf8(fields.value(field)); }
};

inline QByteArray decodeCaseField(const QByteArray &field) {
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const qsizetype end = field.at(i) == '<' ? field.indexOf('>', i) : -1;
        const QByteArray name = end > i ? field.mid(i + 1, end - i - 1) : QByteArray();
        bool ok = false;
        if (name == "CR" || name == "LF" || name == "TAB" || name == "NUL") {
            bytes += name == "CR" ? '\r' : name == "LF" ? '\n' : name == "TAB" ? '\t' : '\0';
            ok = true;
        } else if (name.size() == 3 && name.startsWith('x')) {
            bytes += char(name.mid(1).toInt(&ok, 16));
        } else if (name.startsWith("U+")) {
            const char32_t c = char32_t(name.mid(2).toUInt(&ok, 16));
            bytes += QString::fromUcs4(&c, 1).toUtf8();
        }
        if (ok)
            i = end;
        else
            bytes += field.at(i);
    }
    return bytes;
}

// The cases of `name`; each must have `fields` fields.
inline QList<CaseLine> readCases(const QString &name, int fields) {
    QList<CaseLine> cases;
    QFile file(testDataDir() + '/' + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        if (lines[n].trimmed().isEmpty() || lines[n].startsWith('#'))
            continue;
        CaseLine c{n + 1, {}};
        // An editor may have taken the blank after a last "=>" that leads an empty field.
        const QByteArray line = lines[n].endsWith(" =>") ? lines[n] + ' ' : lines[n];
        qsizetype from = 0;
        for (qsizetype at; (at = line.indexOf(" => ", from)) >= 0; from = at + 4)
            c.fields << decodeCaseField(line.mid(from, at - from));
        c.fields << decodeCaseField(line.mid(from));
        EXPECT_EQ(c.fields.size(), fields) << name.toStdString() << ':' << c.line;
        if (c.fields.size() == fields)
            cases << c;
    }
    EXPECT_FALSE(cases.isEmpty()) << name.toStdString();
    return cases;
}
