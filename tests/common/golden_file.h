#pragma once

#include "common/test_paths.h"

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Compares `actual` with the golden file at `name` under the test data folder. On a mismatch
// the actual text is written beside it as `name`.new, to be looked at and copied over.
inline void expectGolden(const QString &actual, const QString &name) {
    const QString path = testDataDir() + '/' + name;
    QFile golden(path);
    const QString expected =
        golden.open(QIODevice::ReadOnly) ? QString::fromUtf8(golden.readAll()) : QString();
    EXPECT_EQ(actual.toStdString(), expected.toStdString())
        << "see " << path.toStdString() << ".new";
    if (actual != expected) {
        QFile written(path + ".new");
        if (written.open(QIODevice::WriteOnly))
            written.write(actual.toUtf8());
    }
}
