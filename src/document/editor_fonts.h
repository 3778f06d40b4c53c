#pragma once

#include "base/app_settings.h"

#include <QFont>
#include <QString>

// The editor font as it shows. A stored font that is not installed shows as the platform's
// fixed-pitch font at the stored size and style; the stored name stays as it is, so the font
// comes back wherever it is installed.
namespace EditorFonts {

inline constexpr double DefaultSize = 10.0;

// The family of the platform's fixed-pitch font, the default editor font.
QString defaultName();

// True when a font of that family (or an alias the system resolves) is installed.
bool isInstalled(const QString &name);

// The font the editor shows for `font`.
QFont shown(const EditorFontSetting &font);

} // namespace EditorFonts
