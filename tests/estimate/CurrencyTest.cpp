#include "Currency.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

using lumenta::Currency;
using lumenta::formatYen;
using namespace lumenta;

namespace {
Currency yenAndTenThousandths(std::int64_t raw) { return Currency::fromRaw(raw); }
} // namespace

TEST(FormatYen, GroupsThousandsAndShowsTheYenSign)
{
    EXPECT_EQ(formatYen(52'000_yen), "¥52,000");
    EXPECT_EQ(formatYen(12'075_yen), "¥12,075");
    EXPECT_EQ(formatYen(0_yen), "¥0");
    EXPECT_EQ(formatYen(999_yen), "¥999");
    EXPECT_EQ(formatYen(1'000_yen), "¥1,000");
    EXPECT_EQ(formatYen(100'000_yen), "¥100,000");
    EXPECT_EQ(formatYen(1'234'567'890_yen), "¥1,234,567,890");
}

TEST(FormatYen, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(formatYen(yenAndTenThousandths(12'345'675'000)), "¥1,234,568");  // 1,234,567.5
    EXPECT_EQ(formatYen(yenAndTenThousandths(1'172'775'000)), "¥117,278");     // 117,277.5
    EXPECT_EQ(formatYen(yenAndTenThousandths(-61'725'000)), "-¥6,173");        // -6,172.5
    EXPECT_EQ(formatYen(yenAndTenThousandths(25'000)), "¥3");
    EXPECT_EQ(formatYen(yenAndTenThousandths(-25'000)), "-¥3");
    EXPECT_EQ(formatYen(yenAndTenThousandths(24'999)), "¥2");
    EXPECT_EQ(formatYen(yenAndTenThousandths(-4'999)), "¥0");  // rounds to zero: no minus sign
    EXPECT_EQ(formatYen(yenAndTenThousandths(-5'000)), "-¥1");
}

TEST(FormatYen, HandlesTheExtremesOfTheType)
{
    const auto min = Currency::fromRaw(std::numeric_limits<std::int64_t>::min());
    const auto max = Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(formatYen(max), "¥922,337,203,685,478");
    EXPECT_EQ(formatYen(min), "-¥922,337,203,685,478");
}

TEST(Currency, MultipliesOnTheTenThousandthGridWithTiesToEven)
{
    const Currency rate = Currency::fromRatio(-5, 100);
    EXPECT_EQ(rate.raw(), -500);
    EXPECT_EQ((123'450_yen * rate).raw(), -61'725'000);  // -6,172.5 exactly
    // 0.0001 x 0.5 = 0.00005: a tie, to the even neighbour 0.
    EXPECT_EQ((Currency::fromRaw(1) * Currency::fromRaw(5'000)).raw(), 0);
    // 0.0003 x 0.5 = 0.00015: a tie, to the even neighbour 0.0002.
    EXPECT_EQ((Currency::fromRaw(3) * Currency::fromRaw(5'000)).raw(), 2);
    EXPECT_EQ((Currency::fromRaw(-3) * Currency::fromRaw(5'000)).raw(), -2);
    EXPECT_EQ((7'875_yen * Currency::fromYen(5)), 39'375_yen);
    EXPECT_EQ(Currency::fromRatio(1, 3).raw(), 3'333);
    EXPECT_EQ(Currency::fromRatio(2, 3).raw(), 6'667);
}

TEST(Currency, DetectsOverflowInsteadOfWrapping)
{
    const auto max = Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    const auto min = Currency::fromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_THROW(max + Currency::fromRaw(1), std::overflow_error);
    EXPECT_THROW(min - Currency::fromRaw(1), std::overflow_error);
    EXPECT_THROW(-min, std::overflow_error);
    EXPECT_THROW(max * 2, std::overflow_error);
    EXPECT_THROW(max * Currency::fromYen(2), std::overflow_error);
    EXPECT_THROW(Currency::fromYen(std::numeric_limits<std::int64_t>::max() / 1000), std::overflow_error);
    EXPECT_THROW(Currency::fromRatio(1, 0), std::domain_error);
    // A product whose wide intermediate exceeds 64 bits but whose result fits.
    EXPECT_EQ(Currency::fromYen(800'000'000) * Currency::fromYen(1'000), Currency::fromYen(800'000'000'000));
}
