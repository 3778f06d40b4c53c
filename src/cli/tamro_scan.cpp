// tamro-scan: the navigator outline, the scan's reports and, on request, the undefined
// names of OPL sources, for scripts. See ScanOptions::usage().
#include "base/memory_policy.h"
#include "cli/scan_command.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <unistd.h>

int main(int argc, char **argv) {
    MemoryPolicy::tuneAllocator();
    QCoreApplication app(argc, argv);
    QList<QByteArray> nativeArguments;
    for (int i = 0; i < argc; ++i)
        nativeArguments.append(QByteArray(argv[i]));
    // Unbuffered below the stream's own buffer, so a failed write (a full disk) shows in the
    // stream's status when it happens rather than at exit, where nobody would look.
    QFile standardOutput;
    standardOutput.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    ScanCommand command(QCoreApplication::applicationDirPath(), out, err);
    const int status = command.run(QCoreApplication::arguments(), nativeArguments);
    out.flush();
    err.flush();
    return status;
}
