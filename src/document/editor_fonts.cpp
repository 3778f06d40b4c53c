#include "document/editor_fonts.h"

#include <QFontDatabase>
#include <cmath>

namespace EditorFonts {

QString defaultName() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

bool isInstalled(const QString &name) {
    return !name.isEmpty() && QFontDatabase::hasFamily(name);
}

QFont shown(const EditorFontSetting &font) {
    QFont result = isInstalled(font.Name) ? QFont(font.Name)
                                          : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (std::isfinite(font.Size) && font.Size > 0)
        result.setPointSizeF(font.Size);
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    return result;
}

} // namespace EditorFonts
