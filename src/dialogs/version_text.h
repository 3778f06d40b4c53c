#pragma once

#include <QString>
#include <QStringView>

// The version as the about box shows it: major.minor.revision, each in decimal without
// padding. Missing or non-numeric parts count as 0; parts after the third are left out.
QString versionText(QStringView projectVersion);
