#pragma once

#include <QDateTime>
#include <QString>

// The file name of a translator log for a run started at `when` (local time):
// "tpl" + day + "_" + month + "_" + year + "_" + whole seconds since midnight + ".log",
// without leading zeros, e.g. tpl5_12_2026_36512.log. Two runs in the same second share it.
QString MakeLogName(const QDateTime &when);
