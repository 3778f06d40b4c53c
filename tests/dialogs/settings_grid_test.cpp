#include "dialogs/settings_grid.h"

#include <gtest/gtest.h>

TEST(SettingsGrid, WaitTimesArePlainLocaleDecimalsAndOnlyFiniteNumbersAreTaken) {
    const QLocale c = QLocale::c(), de(QLocale::German, QLocale::Germany);
    for (float value : {6.0f, 2.5f, 0.1f, -1.0f, 1e9f, 1e-7f})
        for (const QLocale &locale : {c, de})
            EXPECT_EQ(parseWaitSeconds(waitSecondsText(value, locale), locale), value);
    EXPECT_EQ(waitSecondsText(1e9f, c) + ' ' + waitSecondsText(-2.5f, de), "1000000000 -2,5");
    EXPECT_EQ(fontText({"DejaVu Sans", 10.1235, false, false}, de), "DejaVu Sans - 10,1235 Pt.");
    struct Case {
        const char *text;
        std::optional<float> expected;
    };
    for (const Case &t :
         {Case{" 2.5 ", 2.5f}, Case{"2,5", 2.5f}, Case{".5", 0.5f}, Case{"abc", {}}, Case{"", {}},
          Case{"6 s", {}}, Case{"1e60", {}}, Case{"inf", {}}, Case{"nan", {}}})
        EXPECT_EQ(parseWaitSeconds(t.text, de), t.expected) << t.text;
}
