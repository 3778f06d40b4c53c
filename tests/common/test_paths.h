#pragma once

#include <QString>

// Folders the tests read from. Tests never write into the build's program folder.
inline QString testDataDir() {
    return QStringLiteral(TAMRO_TEST_DATA_DIR);
}
inline QString sourceDataDir() {
    return QStringLiteral(TAMRO_SOURCE_DATA_DIR);
}
inline QString builtProgramDir() {
    return QStringLiteral(TAMRO_BUILD_PROGRAM_DIR);
}
