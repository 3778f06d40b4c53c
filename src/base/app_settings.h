#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The editor font as the settings keep it. Bold and italic live only until the program ends.
// Start-up names the platform's fixed-pitch font; a name that is not installed (this empty
// one too) shows as that font.
struct EditorFontSetting {
    QString Name;
    double Size = 10.0; // kept to 4 fraction digits
    bool Bold = false;
    bool Italic = false;
    bool operator==(const EditorFontSetting &) const = default;
};

// The process-wide settings record. Arrays keep the program's 1-based indexing: index 0 of
// RecentFiles, Paths and FilterNames is never used.
struct AppSettings {
    std::array<QString, 4> RecentFiles; // 1..3, 1 = most recent
    std::array<QString, 5> Paths;       // 1 translator, 2 include, 3 output, 4 conversion folder
    float WaitSeconds = 6.0f;
    EditorFontSetting EditorFont;
    bool LineNumbers = true;
    std::array<std::uint32_t, 11> Colours{8421504}; // 0 = line numbers, 1..10 categories
    int SaveEncoding = 1;                           // 1 ASCII, 2 UTF8, 3 UNICODE; not stored
    std::array<QString, 3> FilterNames;             // 1..2; not stored
    bool PathChosen = false;                        // result of the last path chooser

    bool operator==(const AppSettings &) const = default;
};

// The editor's save format for a SaveEncoding value: 16, 32 or 64.
inline int saveFormatFor(int saveEncoding) {
    return saveEncoding == 1 ? 16 : saveEncoding == 2 ? 32 : 64;
}
