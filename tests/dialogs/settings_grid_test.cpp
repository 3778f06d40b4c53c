#include "dialogs/settings_grid.h"

#include <gtest/gtest.h>

TEST(SettingsGrid, WaitTimesArePlainLocaleDecimalsAndOnlyFiniteNumbersAreTaken) {
    const QLocale c = QLocale::c(), de(QLocale::German, QLocale::Germany);
    for (float value : {6.0f, 2.5f, 0.1f, -1.0f, 1e9f, 1e-7f})
        for (const QLocale &locale : {c, de})
            EXPECT_EQ(parseWaitSeconds(waitSecondsText(value, locale), locale), value);
    EXPECT_EQ(waitSecondsText(1e9f, c) + ' ' + waitSecondsText(-2.5f, de), "1000000000 -2,5");
    EXPECT_EQ(fontText({"DejaVu Sans", 10.1235, false, false}, de), "DejaVu Sans - 10,1235 Pt.");
    for (const QString t : {" 2.5 =2.5", "2,5=2.5", ".5=0.5", "abc=", "=",
                            "6 s=", "1e60=", "inf=", "nan="}) { // text=what is read, if anything
        const std::optional<float> read = parseWaitSeconds(t.section('=', 0, 0), de);
        EXPECT_EQ(read ? QString::number(*read) : "", t.section('=', 1)) << qPrintable(t);
    }
}
