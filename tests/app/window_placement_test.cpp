#include "base/window_placement.h"

#include "common/case_file.h"
#include "common/qstring_printer.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

TEST(WindowPlacementStore, AValueThatIsNoFiniteNumberFallsBackAlone) {
    QTemporaryDir dir;
    const auto store = [&] {
        return QSettings(dir.filePath("store.ini"), QSettings::IniFormat);
    };
    for (const CaseLine &c : readCases("app/window_placement.txt", 2)) {
        SCOPED_TRACE(c.line);
        const float expected = c.text(1).toFloat();
        {
            QSettings s = store();
            s.clear();
            s.setValue("Settings/MainLeft", c.text(0).startsWith("number ")
                                                ? QVariant(c.text(0).mid(7).toInt())
                                                : QVariant(c.text(0)));
            s.setValue("Settings/MainHeight", "700");
        }
        QSettings s = store();
        EXPECT_EQ(readWindowPlacement(s), (WindowPlacement{expected, 1000, 6500, 700}));
        writeWindowPlacement(s, {expected, 9.75f, 6500, 700});
        EXPECT_EQ(readWindowPlacement(s), (WindowPlacement{expected, 9.75f, 6500, 700}));
    }
}

TEST(WindowPlacementConversion, RoundsToNearestAndClampsWhatNoScreenCouldShow) {
    EXPECT_EQ(twipsToPixels(1000, 96), 67); // 66.67
    EXPECT_EQ(twipsToPixels(-1000, 120), -83);
    EXPECT_EQ(pixelsToTwips(67, 96), 1005.0f);
    EXPECT_EQ(pixelsToTwips(83, 110), 1087.0f); // 1086.55
    const float huge = std::numeric_limits<float>::max();
    EXPECT_EQ(twipsToPixels(huge, 96), 1 << 24);
    EXPECT_EQ(twipsToPixels(-huge, 96), -(1 << 24));
    EXPECT_EQ(twipsToPixels(std::numeric_limits<float>::quiet_NaN(), 96), 0);
    EXPECT_EQ(formatSingle(1234567), "1234567"); // never "1.234567e+06"
    EXPECT_EQ(formatSingle(0.25f), "0.25");
}

TEST(WindowPlacementConversion, UnchangedValuesKeepTheirTwipsSoNothingDrifts) {
    for (const double dpi : {96.0, 110.0, 120.0, 144.0}) {
        SCOPED_TRACE(dpi);
        const WindowPlacement restored{1000, 1000, 6500, 6500};
        const PixelPlacement shown = toPixels(restored, dpi, dpi);
        EXPECT_EQ(toTwips(shown, restored, dpi, dpi), restored);

        PixelPlacement moved = shown;
        moved.Left += 10;
        const WindowPlacement stored = toTwips(moved, restored, dpi, dpi);
        EXPECT_EQ(stored.Left, pixelsToTwips(moved.Left, dpi));
        EXPECT_EQ(twipsToPixels(stored.Left, dpi), moved.Left);
        EXPECT_EQ(stored.Width, 6500.0f);
    }
    // Separate resolutions across and down.
    const PixelPlacement shown = toPixels({1440, 1440, 2880, 2880}, 96, 192);
    EXPECT_EQ(shown, (PixelPlacement{96, 192, 192, 384}));
}

TEST(WindowPlacementOnScreen, FirstWindowFillsMostOfTheScreenAndLostOnesComeBack) {
    EXPECT_EQ(firstWindowRect(QRect(0, 30, 1600, 970)), QRect(160, 127, 1280, 776));
    const QRect primary(0, 0, 1600, 1000);
    const QList<QRect> screens{primary, QRect(1600, 0, 1280, 1024)};
    const auto rect = [](const QString &text) {
        const QStringList n = text.split(' ');
        return QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
    };
    for (const CaseLine &c : readCases("app/rect_on_screen.txt", 2))
        EXPECT_EQ(rectOnScreen(rect(c.text(0)), screens, primary), rect(c.text(1))) << c.line;
}
