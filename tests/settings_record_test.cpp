#include "settings/settings_record.h"

#include <gtest/gtest.h>

TEST(SettingsRecord, DefaultsAndColourArithmetic) {
    const auto record = keb::defaultRecord();
    ASSERT_EQ(record.size(), 19u);
    EXPECT_EQ(record[0], "всичко това е за управление на цветове");
    EXPECT_EQ(record[1], "Times New Roman");
    EXPECT_EQ(record[7], "16777215");
    EXPECT_EQ(record[9], "128");
    EXPECT_EQ(record[15], "192");
    EXPECT_EQ(ui::splitColour(16777215), (ui::Rgb{255, 255, 255}));
    EXPECT_EQ(ui::splitColour(0), (ui::Rgb{0, 0, 0}));
    EXPECT_EQ(keb::colourReadout(8421504), "Цвят в 10/16-тичен код = 8421504 /H808080");
    EXPECT_EQ(keb::colourReadout(255), "Цвят в 10/16-тичен код = 255 /HFF");
    EXPECT_EQ(keb::hiddenRecordCopy().size(), 19u);
}
