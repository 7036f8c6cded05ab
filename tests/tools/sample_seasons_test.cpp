// The sample archive's winters and summers: the severe, mild, hot, dry and cool seasons of the period
#include <algorithm>
#include <map>

#include "formulas/untverdamping.h"
#include "sample_archive.h"

namespace {

using sample::Day;
using sample::days;

struct Season {
    double hellmann = 0;      // winter ending in this year: sum of -T over days below 0 degC, 1 Oct - 31 Mar
    double summerNumber = 0;  // sum of T - 15 over days above 15 degC, 1 Apr - 30 Sep
    double surplus = 0;       // running precipitation minus Makkink evaporation from 1 April, mm
    double deficit = 0;       // the lowest that surplus reached, mm (0 or negative)
};

std::map<int, Season> seasons() {
    std::map<int, Season> years;
    for (const Day& d : days()) {
        const double T = d[sample::T];
        if (d.winterHalf()) {
            if (T < 0) years[d.month >= 10 ? d.year + 1 : d.year].hellmann -= T / 10;
            continue;
        }
        Season& s = years[d.year];
        if (T > 150) s.summerNumber += (T - 150) / 10;
        s.surplus += (d[sample::RDVL] - MAKKINK(d[sample::SQ], T)) / 10;
        s.deficit = std::min(s.deficit, s.surplus);
    }
    return years;
}

TEST(SampleSeasons, SevereWintersOfThePeriod) {
    const std::map<int, Season> s = seasons();
    for (int year : {1942, 1947, 1963})
        EXPECT_GT(s.at(year).hellmann, 250) << "Hellmann number of the winter ending in " << year;
    EXPECT_GT(s.at(1956).hellmann, 100) << "Hellmann number of 1955/56";
}

TEST(SampleSeasons, FebruaryMadeTheWinterOf1956) {
    double sum = 0, frost = 0, n = 0;
    for (const Day& d : days()) {
        if (d.year != 1956 || d.month != 2) continue;
        sum += d[sample::T] / 10.0, n += 1;
        if (d[sample::T] < 0) frost -= d[sample::T] / 10.0;
    }
    EXPECT_LT(sum / n, -3) << "mean temperature of February 1956";
    EXPECT_GT(frost, seasons().at(1956).hellmann / 2) << "February's share of the Hellmann number of 1955/56";
}

TEST(SampleSeasons, MildWintersAmongThemToo) {
    const std::map<int, Season> s = seasons();
    int mild = 0;
    for (int year = 1942; year <= 1971; ++year) mild += s.at(year).hellmann < 20;
    EXPECT_GE(mild, 5) << "winters 1941/42 - 1970/71 with a Hellmann number below 20";
}

TEST(SampleSeasons, HotDrySummersAndCoolOnes) {
    const std::map<int, Season> s = seasons();
    for (int year = 1942; year <= 1971; ++year) {
        if (year == 1947 || year == 1959) continue;
        EXPECT_LT(s.at(year).summerNumber, std::min(s.at(1947).summerNumber, s.at(1959).summerNumber))
            << "summer " << year << " outdoes 1947 or 1959";
    }
    for (int year : {1947, 1959})
        EXPECT_LT(s.at(year).deficit, -200) << "maximal precipitation deficit of summer " << year << ", mm";
    for (int year : {1954, 1965}) EXPECT_LT(s.at(year).summerNumber, 50) << "summer number of " << year;
}

}  // namespace
