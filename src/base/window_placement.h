#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <optional>

class QSettings;

// The main window's left, top, width and height in twips (1440 per inch), as the settings
// store keeps them.
struct WindowPlacement {
    float Left = 1000.0f;
    float Top = 1000.0f;
    float Width = 6500.0f;
    float Height = 6500.0f;
    bool operator==(const WindowPlacement &) const = default;
};

// The same four values in pixels.
struct PixelPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const PixelPlacement &) const = default;
};

// Reads "MainLeft", "MainTop", "MainWidth", "MainHeight" from group "Settings". A key that is
// absent, or whose value is not a finite number, gives that value's default.
WindowPlacement readWindowPlacement(QSettings &store);

// The stored placement, or nothing when the store holds none of the four keys (a first start).
std::optional<WindowPlacement> readStoredWindowPlacement(QSettings &store);

// Writes the four keys as the shortest decimal text of each single-precision value.
void writeWindowPlacement(QSettings &store, const WindowPlacement &placement);

// Converts at `dotsPerInch`, rounding to the nearest pixel; a value beyond any screen is
// clamped.
int twipsToPixels(float twips, double dotsPerInch);
float pixelsToTwips(int pixels, double dotsPerInch);

PixelPlacement toPixels(const WindowPlacement &placement, double dpiX, double dpiY);

// The placement to store for a window now at `current`. A value the user did not change keeps
// the twips it was restored from, so a start and quit without changes never drifts by a
// rounding step.
WindowPlacement toTwips(const PixelPlacement &current, const WindowPlacement &restored, double dpiX,
                        double dpiY);

// Plain decimal text of a single-precision value that reads back as the same value
// ("1000", "6.5", "0.25"), whatever the locale.
QString formatSingle(float value);

// Where a main window without a stored placement opens: 80 % of `available` (a screen's area
// without its panels) across and down, centred in it.
QRect firstWindowRect(const QRect &available);

// `window` as it stands when a usable part of it lies on one of `screens` (at least 100 by 50
// pixels, or all of a smaller window); otherwise moved onto `primary`, centred and no larger.
QRect rectOnScreen(const QRect &window, const QList<QRect> &screens, const QRect &primary);
