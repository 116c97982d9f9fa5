#include "announce/wording.h"

#include <gtest/gtest.h>

#include <set>

#include "base/meteo_data.h"
#include "resources/embedded_resources.h"

namespace skycrier::wording {
namespace {

using S = Segments;

TEST(DateWording, DayNameDayMonthAndYearForms) {
    EXPECT_EQ(date(2, 7, 12, 2026), (S{"son_mon", "son7", "son_dec", "son2026"}));
    EXPECT_EQ(date(1, 31, 1, 2010), (S{"son_sun", "son31", "son_jan", "son2000", "son10"}));
    EXPECT_EQ(date(7, 1, 6, 2051), (S{"son_sat", "son1", "son_jun", "son2000", "son51"}));
    // Years the vocabulary cannot tell are left out.
    EXPECT_EQ(date(4, 3, 3, 2060), (S{"son_wed", "son3", "son_mar"}));
    EXPECT_EQ(date(4, 3, 3, 2000), (S{"son_wed", "son3", "son_mar"}));
}

TEST(TimeWording, HoursMinutesAndPartOfDay) {
    EXPECT_EQ(timeOfDay(13, 0), (S{"son_it_s1", "son_pm"}));
    EXPECT_EQ(timeOfDay(1, 0), (S{"son_it_s1", "son_am1"}));
    EXPECT_EQ(timeOfDay(14, 5), (S{"son_it_s", "son2_et", "son5", "son_pm"}));
    EXPECT_EQ(timeOfDay(0, 0), (S{"son_it_s", "son0", "son_am1"}));
    EXPECT_EQ(timeOfDay(12, 30), (S{"son_it_s", "son12_et", "son30", "son_pm"}));
    EXPECT_EQ(timeOfDay(12, 0), (S{"son_it_s", "son12", "son_pm"}));
    EXPECT_EQ(timeOfDay(11, 59), (S{"son_it_s", "son11_et", "son59", "son_am"}));
    EXPECT_EQ(timeOfDay(6, 0), (S{"son_it_s", "son6", "son_am"}));
    EXPECT_EQ(timeOfDay(20, 59), (S{"son_it_s", "son8_et", "son59", "son_pm"}));
    EXPECT_EQ(timeOfDay(21, 15), (S{"son_it_s", "son9_et", "son15", "son_pm1"}));
    EXPECT_EQ(timeOfDay(5, 59), (S{"son_it_s", "son5_et", "son59", "son_am1"}));
}

TEST(TimeWording, MinutesAfterMidnightUseTwelve) {
    EXPECT_EQ(timeOfDay(0, 1), (S{"son_it_s", "son12_et", "son1", "son_am1"}));
    EXPECT_EQ(timeOfDay(0, 59), (S{"son_it_s", "son12_et", "son59", "son_am1"}));
}

TEST(TemperatureWording, SignAndSingularUnit) {
    EXPECT_EQ(temperature(-5), (S{"son_minus", "son5", "son_degrees"}));
    EXPECT_EQ(temperature(1), (S{"son1", "son_degrees1"}));
    EXPECT_EQ(temperature(-1), (S{"son_minus", "son1", "son_degrees1"}));
    EXPECT_EQ(temperature(0), (S{"son0", "son_degrees1"}));
    EXPECT_EQ(temperature(100), (S{"son100", "son_degrees"}));
    EXPECT_EQ(feltTemperature(1), (S{"son1", "son_degrees"}));
    EXPECT_EQ(feltTemperature(0), (S{"son0", "son_degrees"}));
}

TEST(TemperatureWording, FeltTemperaturesBeyondOneHundredUseTheJoiner) {
    EXPECT_EQ(feltTemperature(140), (S{"son100_and", "son40", "son_degrees"}));
    EXPECT_EQ(feltTemperature(-103), (S{"son_minus", "son100_and", "son3", "son_degrees"}));
}

TEST(PressureWording, Hectopascal) {
    EXPECT_EQ(pressureHectopascal(1013), (S{"son1000", "son13", "son_millibars"}));
    EXPECT_EQ(pressureHectopascal(1000), (S{"son1000", "son_millibars"}));
    EXPECT_EQ(pressureHectopascal(987), (S{"son900", "son87", "son_millibars"}));
    EXPECT_EQ(pressureHectopascal(930), (S{"son900", "son30", "son_millibars"}));
    EXPECT_EQ(pressureHectopascal(1050), (S{"son1000", "son50", "son_millibars"}));
}

TEST(DecimalWording, InchesOfMercuryAndRainInches) {
    EXPECT_EQ(decimal(29.92, "son_inhg"), (S{"son29", "son_point", "son9", "son2", "son_inhg"}));
    EXPECT_EQ(decimal(30.00, "son_inhg"), (S{"son30", "son_inhg"}));
    EXPECT_EQ(decimal(29.05, "son_inhg"), (S{"son29", "son_point", "son0", "son5", "son_inhg"}));
    EXPECT_EQ(decimal(29.009, "son_inhg"), (S{"son29", "son_inhg"}));
    EXPECT_EQ(rainInch(0.25), (S{"son0", "son_point", "son2", "son5", "son_inch"}));
    EXPECT_EQ(rainInch(0.009), (S{"son_null"}));
    EXPECT_EQ(rainInch(0), (S{"son_null"}));
}

TEST(DecimalWording, FractionsThatPrintAsTheNextWholeNumberSayThatNumber) {
    EXPECT_EQ(decimal(29.996, "son_inhg"), (S{"son30", "son_inhg"}));
    EXPECT_EQ(rainInch(0.997), (S{"son1", "son_inch"}));
}

TEST(SpeedWording, KilometresPerHour) {
    EXPECT_EQ(speed(0, true), (S{"son_null"}));
    EXPECT_EQ(speed(1, true), (S{"son1", "son_kmh1"}));
    EXPECT_EQ(speed(12, true), (S{"son12", "son_kmh"}));
    EXPECT_EQ(speed(100, true), (S{"son100", "son_kmh"}));
    EXPECT_EQ(speed(101, true), (S{"son100_and", "son1", "son_kmh1"}));
    EXPECT_EQ(speed(150, true), (S{"son100_and", "son50", "son_kmh"}));
}

TEST(SpeedWording, MilesPerHourUseTheOneNeutralWord) {
    EXPECT_EQ(speed(1, false), (S{"son1", "son_mph"}));
    EXPECT_EQ(speed(45, false), (S{"son45", "son_mph"}));
    EXPECT_EQ(speed(101, false), (S{"son100_and", "son1", "son_mph"}));
    EXPECT_EQ(speed(0, false), (S{"son_null"}));
}

TEST(RainAndHumidityWording, NullHundredsAndUnits) {
    EXPECT_EQ(rainMillimetre(0), (S{"son_null"}));
    EXPECT_EQ(rainMillimetre(7), (S{"son7", "son_millimeters"}));
    EXPECT_EQ(rainMillimetre(100), (S{"son100", "son_millimeters"}));
    EXPECT_EQ(rainMillimetre(198), (S{"son100_and", "son98", "son_millimeters"}));
    EXPECT_EQ(humidity(0), (S{"son_null"}));
    EXPECT_EQ(humidity(72), (S{"son72", "son_percent"}));
    EXPECT_EQ(humidity(100), (S{"son100", "son_percent"}));
}

TEST(TendencyWording, ThreeWords) {
    EXPECT_EQ(tendency(0), "son_steady");
    EXPECT_EQ(tendency(1), "son_rising");
    EXPECT_EQ(tendency(2), "son_falling");
}

TEST(DirectionWording, EightSectorBoundaries) {
    const std::pair<int, const char*> cases[] = {
        {0, "son_north"},        {22, "son_north"},      {23, "son_north_east"}, {67, "son_north_east"},
        {68, "son_east"},        {112, "son_east"},      {113, "son_south_east"}, {157, "son_south_east"},
        {158, "son_south"},      {202, "son_south"},     {203, "son_south_west"}, {247, "son_south_west"},
        {248, "son_west"},       {292, "son_west"},      {293, "son_north_west"}, {337, "son_north_west"},
        {338, "son_north"},      {360, "son_north"}};
    for (const auto& [degrees, word] : cases) EXPECT_EQ(direction(degrees, false, false), S{word}) << degrees;
}

TEST(DirectionWording, SixteenSectorBoundaries) {
    const std::pair<int, const char*> cases[] = {
        {11, "son_north"},            {12, "son_north_north_east"}, {34, "son_north_east"},
        {57, "son_east_north_east"},  {79, "son_east"},             {102, "son_east_south_east"},
        {124, "son_south_east"},      {147, "son_south_south_east"}, {169, "son_south"},
        {192, "son_south_south_west"}, {214, "son_south_west"},      {237, "son_west_south_west"},
        {259, "son_west"},            {282, "son_west_north_west"}, {304, "son_north_west"},
        {327, "son_north_north_west"}, {348, "son_north_north_west"}, {349, "son_north"}, {360, "son_north"}};
    for (const auto& [degrees, word] : cases) EXPECT_EQ(direction(degrees, true, false), S{word}) << degrees;
}

TEST(DirectionWording, VariableOnlyWhereAllowed) {
    EXPECT_EQ(direction(999, false, true), S{"son_variable"});
    EXPECT_EQ(direction(999, true, true), S{"son_variable"});
    EXPECT_TRUE(direction(999, false, false).empty());
}

TEST(PresentWeatherWording, FirstPhenomenonAndIntensity) {
    using namespace phenomena;
    EXPECT_EQ(presentWeather(Snow | Heavy), (S{"son_snowing", "son_heavily"}));
    EXPECT_EQ(presentWeather(Mist | Rain | Light), (S{"son_raining"}));
    EXPECT_EQ(presentWeather(Rain), (S{"son_raining", "son_moderatly"}));
    EXPECT_EQ(presentWeather(Rain | Light | Heavy), (S{"son_raining", "son_lightly"}));
    EXPECT_EQ(presentWeather(Hail | Fog), (S{"son_hailing"}));
    EXPECT_EQ(presentWeather(Fog), (S{"son_fog"}));
    EXPECT_TRUE(presentWeather(Light).empty());
}

// Every value a gate lets through, in every unit, is told with words the
// vocabulary holds, so no bulletin ends early on a missing word.
TEST(Vocabulary, EveryFormedNameExists) {
    std::set<std::string> formed;
    const auto add = [&](const Segments& words) { formed.insert(words.begin(), words.end()); };
    for (int dow = 1; dow <= 7; ++dow)
        for (int month = 1; month <= 12; ++month) add(date(dow, 28, month, 2023));
    for (int day = 1; day <= 31; ++day) add(date(1, day, 1, 2001));
    for (int year = 1990; year <= 2070; ++year) add(date(1, 1, 1, year));
    for (int h = 0; h < 24; ++h)
        for (int m = 0; m < 60; ++m) add(timeOfDay(h, m));
    for (int v = -100; v <= 100; ++v) add(temperature(v));
    for (int v = -103; v <= 140; ++v) add(feltTemperature(v));
    for (int p = 930; p <= 1050; ++p) add(pressureHectopascal(p));
    for (int i = 2746; i <= 3101; ++i) add(decimal(i / 100.0 + 0.004, "son_inhg"));
    for (int i = 0; i < 1000; ++i) add(rainInch(i / 100.0 + 0.006));
    for (int v = 0; v <= 199; ++v) {
        add(speed(v, true));
        add(speed(v, false));
    }
    for (int v = 0; v <= 198; ++v) add(rainMillimetre(v));
    for (int v = 0; v <= 100; ++v) add(humidity(v));
    for (int t = 0; t <= 2; ++t) formed.insert(tendency(t));
    for (int d = 0; d <= 360; ++d) {
        add(direction(d, false, false));
        add(direction(d, true, false));
    }
    add(direction(999, false, true));
    for (std::uint32_t bits = 0; bits < 128; ++bits) add(presentWeather(bits));
    for (const std::string& name : formed) EXPECT_NE(resources::findVocabularyClip(name), nullptr) << name;
}

}  // namespace
}  // namespace skycrier::wording
