#include "dialogs/settings_grid.h"
#include "dialogs/settings_layout.h"

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

TEST(SettingsGrid, LayoutFollowsTheInnerSizeInTwips) {
    // 96 dpi: 10 twips = 1 pixel, 100 = 7, 500 = 33; 192 dpi: 1, 13, 67.
    SettingsLayout at96 = SettingsLayout::forInnerSize({800, 600}, {89, 25}, {80, 25}, {96, 96});
    EXPECT_EQ(at96.grid, QRect(1, 1, 799, 567));
    EXPECT_EQ(at96.cancel, QRect(1, 574, 89, 25));
    EXPECT_EQ(at96.ok, QRect(719, 574, 80, 25));
    SettingsLayout at192 = SettingsLayout::forInnerSize({800, 600}, {89, 25}, {80, 25}, {96, 192});
    EXPECT_EQ(at192.grid, QRect(1, 1, 799, 533));
    EXPECT_EQ(at192.ok.top(), 546);
    EXPECT_EQ(SettingsLayout::forInnerSize({0, 20}, {9, 9}, {9, 9}, {96, 96}).grid.size(),
              QSize(0, 0));
}
