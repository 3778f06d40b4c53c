#include "base/window_placement.h"

#include <QSettings>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

const QString group = QStringLiteral("Settings");
const QString keyLeft = QStringLiteral("MainLeft");
const QString keyTop = QStringLiteral("MainTop");
const QString keyWidth = QStringLiteral("MainWidth");
const QString keyHeight = QStringLiteral("MainHeight");

// Far beyond any screen, yet small enough that pixel arithmetic cannot overflow.
constexpr double maxPixels = 1 << 24;

float readValue(QSettings &store, const QString &key, float fallback) {
    const QVariant stored = store.value(key);
    if (!stored.isValid())
        return fallback;
    bool ok = false;
    const float value = stored.toString().toFloat(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

float keptOrConverted(int pixels, float restoredTwips, double dpi) {
    return twipsToPixels(restoredTwips, dpi) == pixels ? restoredTwips : pixelsToTwips(pixels, dpi);
}

} // namespace

WindowPlacement readWindowPlacement(QSettings &store) {
    const WindowPlacement defaults;
    WindowPlacement placement;
    store.beginGroup(group);
    placement.Left = readValue(store, keyLeft, defaults.Left);
    placement.Top = readValue(store, keyTop, defaults.Top);
    placement.Width = readValue(store, keyWidth, defaults.Width);
    placement.Height = readValue(store, keyHeight, defaults.Height);
    store.endGroup();
    return placement;
}

std::optional<WindowPlacement> readStoredWindowPlacement(QSettings &store) {
    store.beginGroup(group);
    const bool any = store.contains(keyLeft) || store.contains(keyTop) ||
                     store.contains(keyWidth) || store.contains(keyHeight);
    store.endGroup();
    if (!any)
        return std::nullopt;
    return readWindowPlacement(store);
}

void writeWindowPlacement(QSettings &store, const WindowPlacement &placement) {
    store.beginGroup(group);
    store.setValue(keyLeft, formatSingle(placement.Left));
    store.setValue(keyTop, formatSingle(placement.Top));
    store.setValue(keyWidth, formatSingle(placement.Width));
    store.setValue(keyHeight, formatSingle(placement.Height));
    store.endGroup();
}

int twipsToPixels(float twips, double dotsPerInch) {
    const double pixels = double(twips) * dotsPerInch / 1440.0;
    if (!std::isfinite(pixels))
        return 0;
    return qRound(std::clamp(pixels, -maxPixels, maxPixels));
}

float pixelsToTwips(int pixels, double dotsPerInch) {
    if (!(dotsPerInch > 0))
        return 0.0f;
    return float(qRound(double(pixels) * 1440.0 / dotsPerInch));
}

PixelPlacement toPixels(const WindowPlacement &placement, double dpiX, double dpiY) {
    return {twipsToPixels(placement.Left, dpiX), twipsToPixels(placement.Top, dpiY),
            twipsToPixels(placement.Width, dpiX), twipsToPixels(placement.Height, dpiY)};
}

WindowPlacement toTwips(const PixelPlacement &current, const WindowPlacement &restored, double dpiX,
                        double dpiY) {
    return {keptOrConverted(current.Left, restored.Left, dpiX),
            keptOrConverted(current.Top, restored.Top, dpiY),
            keptOrConverted(current.Width, restored.Width, dpiX),
            keptOrConverted(current.Height, restored.Height, dpiY)};
}

QString formatSingle(float value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QRect firstWindowRect(const QRect &available) {
    const QSize size(available.width() * 4 / 5, available.height() * 4 / 5);
    QRect rect(QPoint(), size);
    rect.moveCenter(available.center());
    return rect;
}

QRect rectOnScreen(const QRect &window, const QList<QRect> &screens, const QRect &primary) {
    const int needWidth = std::min(window.width(), 100);
    const int needHeight = std::min(window.height(), 50);
    for (const QRect &screen : screens) {
        const QRect shown = screen.intersected(window);
        if (!shown.isEmpty() && shown.width() >= needWidth && shown.height() >= needHeight)
            return window;
    }
    QRect moved(QPoint(), window.size().boundedTo(primary.size()));
    moved.moveCenter(primary.center());
    return moved;
}
