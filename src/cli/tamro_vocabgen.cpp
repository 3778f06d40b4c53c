// Build step: turns the vocabulary table into the completion vocabulary (global.xml) and
// the command reference (OPLCommands.RTF), so that the two always agree.
//
//   tamro-vocabgen TABLE GLOBAL_XML REFERENCE_RTF

#include "analysis/command_reference.h"
#include "analysis/completion_list.h"
#include "analysis/vocabulary_table.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes, QTextStream &err) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        err << path << ": " << file.errorString() << Qt::endl;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        err << "usage: tamro-vocabgen TABLE GLOBAL_XML REFERENCE_RTF" << Qt::endl;
        return 2;
    }
    const QString tablePath = args.at(1);
    const VocabularyTable table = VocabularyTable::load(tablePath);
    for (const VocabularyError &error : table.errors())
        err << tablePath << ':' << error.line << ": " << error.message << Qt::endl;
    if (!table.ok())
        return 1;

    CompletionList list;
    list.setName(QStringLiteral("Global"));
    table.fill(list);
    const bool written = writeFile(args.at(2), list.toXml(), err) &&
                         writeFile(args.at(3), CommandReference::toRtf(table), err);
    return written ? 0 : 1;
}
