#include "Engine.h"
#include "FakeOperations.h"
#include "Readings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class LifeNumberTest : public ::testing::Test {
protected:
    void SetUp() override { Module1::InitReadings(); }

    // Puts one selected entry in each list (an empty text leaves it
    // unselected) and computes.
    void Show(const std::string& year, const std::string& month, const std::string& day)
    {
        Put(Widget::Combo1, year);
        Put(Widget::Combo2, month);
        Put(Widget::Combo3, day);
        engine.ShowNumber();
    }

    void ExpectShown(int n)
    {
        EXPECT_EQ(ops.texts[Widget::Label4], std::to_string(n));
        EXPECT_EQ(ops.texts[Widget::Text1], Module1::Readings[n]);
        EXPECT_EQ(ops.texts[Widget::Text2], Module1::Readings[n + 10]);
        EXPECT_EQ(engine.GetDigitSum(), static_cast<float>(n));
    }

    FakeOperations ops;
    Engine engine{ops};

private:
    void Put(Widget list, const std::string& text)
    {
        ops.lists[list] = {{text}, text.empty() ? -1 : 0};
    }
};

TEST_F(LifeNumberTest, WorkedExamplesReduceToOneDigit)
{
    Show("1984", "7", "23");  // 34, then 7
    ExpectShown(7);
    Show("1999", "9", "29");  // 48, 12, then 3
    ExpectShown(3);
    Show("2000", "1", "1");  // 4 at once
    ExpectShown(4);
    Show("1900", "10", "10");  // 12, then 3
    ExpectShown(3);
}

TEST_F(LifeNumberTest, YearAloneCountsWhileTheOtherListsAreEmpty)
{
    Show("2008", "", "");  // 10, then 1
    ExpectShown(1);
}

TEST_F(LifeNumberTest, PartnershipBoxShowsTheTitleOnItsOwnLine)
{
    Show("1984", "7", "23");
    EXPECT_EQ(ops.texts[Widget::Text2].rfind("KASKADÉR ŽIVOTA\r\nAdrenalin", 0), 0u);
}

TEST_F(LifeNumberTest, CharactersThatAreNotDigitsAddNothing)
{
    Show("19a84", "7 ", "-23");
    ExpectShown(7);
    Show("\xC4\x9B" "1999", "9", "29\xFF");  // stray UTF-8 and bytes
    ExpectShown(3);
}

TEST_F(LifeNumberTest, SumsThatNeedMoreThanThreePassesStillEndOnOneDigit)
{
    // 1 and twenty-two nines: 199, 19, 10 - a fourth pass gives 1.
    Show("1" + std::string(22, '9'), "", "");
    ExpectShown(1);
    Show(std::string(100000, '9'), "", "");  // 900000, then 9
    ExpectShown(9);
}

TEST_F(LifeNumberTest, NoDigitsShowsNoNumberAndNoReading)
{
    Show("1984", "7", "23");
    Show("", "", "");
    EXPECT_EQ(ops.texts[Widget::Label4], "");
    EXPECT_EQ(ops.texts[Widget::Text1], "");
    EXPECT_EQ(ops.texts[Widget::Text2], "");
    Show("0000", "0", "00");
    EXPECT_EQ(ops.texts[Widget::Label4], "");
    EXPECT_EQ(engine.GetDigitSum(), 0.0f);
}

}  // namespace
