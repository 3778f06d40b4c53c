#include "dialogs/settings_grid.h"

#include "base/string_table.h"

#include <charconv>
#include <cmath>

namespace {

// The shortest fixed-point text that reads back as `value`, with the locale's sign and
// decimal separator.
template <typename T> QString plainDecimal(T value, const QLocale &locale) {
    char buffer[512]; // a double's longest fixed form is about 330 characters
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(u'.', locale.decimalPoint());
    text.replace(u'-', locale.negativeSign());
    return text;
}

} // namespace

SettingsGrid SettingsGrid::from(const AppSettings &settings, const QLocale &locale) {
    SettingsGrid grid;
    for (int i = 1; i <= 3; ++i)
        grid.paths[i] = settings.Paths[i];
    grid.waitText = waitSecondsText(settings.WaitSeconds, locale);
    grid.lineNumbersText = StringTable::text(settings.LineNumbers ? 1072 : 1073);
    grid.colours = settings.Colours;
    return grid;
}

void SettingsGrid::applyTo(AppSettings &settings, const QLocale &locale) const {
    for (int i = 1; i <= 3; ++i)
        settings.Paths[i] = paths[i];
    if (const std::optional<float> wait = parseWaitSeconds(waitText, locale))
        settings.WaitSeconds = *wait;
    settings.LineNumbers = lineNumbersText == StringTable::text(1072);
    settings.Colours = colours;
}

SettingsGrid::RowKind SettingsGrid::rowKind(int row) {
    switch (row) {
    case 1:
        return RowKind::File;
    case 2:
    case 3:
        return RowKind::Folder;
    case 4:
        return RowKind::WaitTime;
    case 5:
        return RowKind::Font;
    case 6:
        return RowKind::LineNumbers;
    default:
        return row >= kFirstColourRow && row < kRowCount ? RowKind::Colour : RowKind::Header;
    }
}

QString SettingsGrid::rowName(int row) {
    static constexpr std::array<int, kFirstColourRow> kNames{1076, 1059, 1060, 1061,
                                                             1071, 1074, 1008};
    if (row < 0 || row >= kRowCount)
        return {};
    return StringTable::text(row < kFirstColourRow ? kNames[row] : 1086 + row - kFirstColourRow);
}

QString waitSecondsText(float seconds, const QLocale &locale) {
    return plainDecimal(seconds, locale);
}

std::optional<float> parseWaitSeconds(const QString &text, const QLocale &locale) {
    for (const QLocale &form : {locale, QLocale::c()}) {
        bool ok = false;
        const float value = form.toFloat(text.trimmed(), &ok);
        if (ok && std::isfinite(value))
            return value;
    }
    return std::nullopt;
}

QString fontText(const EditorFontSetting &font, const QLocale &locale) {
    return font.Name + QStringLiteral(" - ") + plainDecimal(font.Size, locale) +
           QStringLiteral(" Pt.");
}

QString toggledLineNumbersText(const QString &current) {
    return StringTable::text(current == StringTable::text(1072) ? 1073 : 1072);
}
