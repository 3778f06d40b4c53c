#pragma once

#include "base/app_settings.h"

#include <QByteArray>
#include <QString>

// tamro.ini: 22 values, one per line, CR LF, no keys. Lines 1-7 recent files and paths,
// 8 wait seconds, 9 font name, 10 font size, 11 "On"/"Off", 12-22 colours 0..10. Written
// in UTF-8; read as UTF-8, or as Windows-1252 when the bytes are not valid UTF-8.

// True when `path` names a regular file (or a link to one); an empty file counts. A
// folder, a missing file or a malformed path gives false, silently.
bool FileExists(const QString &path);

// True when `text` reads back unchanged once written: it holds no double quote (the format
// has no escaping) and no lone half of a surrogate pair.
bool canStoreSettingText(const QString &text);

// The file's bytes for `settings`: 22 lines, each ended by CR LF. A text that cannot be
// stored is written as its field's default, so that it cannot shift the fields after it.
QByteArray formatSettingsFile(const AppSettings &settings);

// Reads the values from `bytes` into `settings` in file order and stops at the first one
// that is missing or cannot be read as its type; the values read before it keep their new
// contents, the rest stay as they were. True only when all 22 values were read.
bool parseSettingsFile(const QByteArray &bytes, AppSettings &settings);

// parseSettingsFile on the file at `path`; false at once when it cannot be opened.
bool readSettingsFile(const QString &path, AppSettings &settings);

// Replaces the file at `path` atomically; on any failure returns false and leaves the old
// file as it was.
bool writeSettingsFile(const QString &path, const AppSettings &settings);
