#pragma once

#include "base/app_settings.h"

#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// What the settings dialog's grid shows, apart from its widgets. Row 0 is the header; rows 1-3
// the translator, include and output paths, 4 the wait time, 5 the font, 6 line numbers and
// 7-17 the colours 0..10.
struct SettingsGrid {
    static constexpr int kRowCount = 18;
    static constexpr int kFirstColourRow = 7;

    enum class RowKind { Header, File, Folder, WaitTime, Font, LineNumbers, Colour };

    std::array<QString, 4> paths; // 1..3, as the rows show them
    QString waitText;
    QString lineNumbersText; // "On" or "Off"
    std::array<std::uint32_t, 11> colours{};

    // The grid's values for `settings`, numbers written in `locale`.
    static SettingsGrid from(const AppSettings &settings, const QLocale &locale);

    // Stores the values into `settings`. A wait time that is not a number leaves the wait as
    // it was; everything else is still stored.
    void applyTo(AppSettings &settings, const QLocale &locale) const;

    static RowKind rowKind(int row);
    // The text of column 0 of `row` (row 0: "Name"); empty outside the grid.
    static QString rowName(int row);
};

// `seconds` as a plain decimal number with the locale's decimal separator ("6", "2,5"), never
// an exponent.
QString waitSecondsText(float seconds, const QLocale &locale);

// The wait time typed as `text`: a number in `locale`, or failing that in the "." form. Text
// that is not a finite single-precision number gives nothing. No range is imposed: a run
// clamps the wait it makes.
std::optional<float> parseWaitSeconds(const QString &text, const QLocale &locale);

// The font row's text: name + " - " + size + " Pt." ("Arial - 9.75 Pt.").
QString fontText(const EditorFontSetting &font, const QLocale &locale);

// The line-number row after a toggle: "Off" after "On", "On" after anything else.
QString toggledLineNumbersText(const QString &current);
