#include "base/settings_file.h"
#include "cli/scan_command.h"
#include "common/golden_file.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Replays the runs of tests/data/cli/scan_commands.txt and compares the transcript with it.
// The program folder, $PROGRAM, holds the vocabulary and tamro.ini.
TEST(ScanCommandTest, RunsAsTheTranscriptShows) {
    QTemporaryDir program;
    ASSERT_TRUE(QFile::copy(testDataDir() + "/cli/global.xml", program.filePath("global.xml")));
    const QString data = testDataDir() + "/cli", sources = data + "/scan";
    QStringList transcript;
    const QString script = QString::fromUtf8(readAll(data + "/scan_commands.txt"));
    for (const QString &line : script.split('\n')) {
        if (line.startsWith('<') || line.startsWith('!') || line.startsWith('='))
            continue;
        transcript << line;
        QStringList words =
            QString(line).replace("$SRC", sources).replace("$DATA", data).split(' ');
        if (words[0] == "rm") {
            ASSERT_TRUE(QFile::remove(program.filePath(words[1])));
        } else if (words[0] == "ini") {
            AppSettings settings;
            settings.Paths[2] = words[1];
            ASSERT_TRUE(writeSettingsFile(program.filePath("tamro.ini"), settings));
        } else if (words[0] == "tamro-scan") {
            QString out, err;
            QTextStream outStream(&out), errStream(&err);
            const int status = ScanCommand(program.path(), outStream, errStream).run(words);
            outStream.flush();
            errStream.flush();
            for (const auto &[mark, text] : {std::pair("< ", out), {"! ", err}})
                for (const QString &printed : text.split('\n', Qt::SkipEmptyParts))
                    transcript << mark + QString(printed)
                                             .replace(sources, "$SRC")
                                             .replace(data, "$DATA")
                                             .replace(program.path(), "$PROGRAM");
            transcript << QString("= %1").arg(status);
        }
    }
    expectGolden(transcript.join('\n'), "cli/scan_commands.txt");
}

} // namespace
