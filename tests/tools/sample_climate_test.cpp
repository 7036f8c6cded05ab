// The sample archive's climate: its decade means, the agreement of a day's fields, and its seasons
#include <algorithm>
#include <cmath>
#include <map>

#include "formulas/untduinvelde.h"
#include "formulas/untformules.h"
#include "formulas/untverdamping.h"
#include "sample_archive.h"

namespace {

using sample::Column;
using sample::Day;
using sample::days;

constexpr double LATITUDE = 52.55;

struct Normal {
    const char* field;
    Column column;
    int kltColumn;
    double tolerance;  // tenths of the unit, or a share of the normal when relative
    bool relative;
};

constexpr Normal NORMALS[] = {
    {"T", sample::T, 4, 5, false},    {"Tn", sample::TN, 2, 5, false},  {"Tx", sample::TX, 3, 5, false},
    {"Tgn", sample::TGN, 1, 10, false}, {"e", sample::E, 5, 5, false}, {"f9", sample::F9, 6, 5, false},
    {"sR", sample::SR, 8, 0.20, true}, {"sS", sample::SS, 9, 0.15, true}, {"sQ", sample::SQ, 10, 0.10, true},
};

TEST(SampleClimate, DecadeMeansOfTheNormalPeriodMeetTheSiteNormals) {
    for (const Normal& n : NORMALS) {
        double sum[37] = {}, count[37] = {};
        for (const Day& d : days()) {
            if (!d.inNormalPeriod() || (n.column == sample::TGN && !d.tgnObserved())) continue;
            sum[d.decade()] += d[n.column];
            count[d.decade()] += 1;
        }
        for (int decade = 1; decade <= 36; ++decade) {
            ASSERT_GT(count[decade], 200) << n.field << " decade " << decade;
            const double mean = sum[decade] / count[decade], normal = KLT[decade][n.kltColumn];
            const double allowed = n.relative ? n.tolerance * normal : n.tolerance;
            EXPECT_LE(std::fabs(mean - normal), allowed)
                << n.field << " in decade " << decade << ": mean " << mean << ", normal " << normal;
        }
    }
}

TEST(SampleClimate, TemperaturesOfADayAgree) {
    int observed = 0, grassBelow = 0, unobserved = 0;
    for (const Day& d : days()) {
        EXPECT_TRUE(d[sample::TN] <= d[sample::T] && d[sample::T] <= d[sample::TX])
            << "Tn " << d[sample::TN] << ", T " << d[sample::T] << ", Tx " << d[sample::TX] << " on " << d.date();
        if (d.tgnObserved()) {
            ++observed;
            grassBelow += d[sample::TGN] <= d[sample::TN];
        } else {
            ++unobserved;
            EXPECT_TRUE(d.month >= 11 || d.month <= 3) << "Tgn not observed on " << d.date() << ", not a winter night";
        }
    }
    EXPECT_GE(grassBelow, 0.9 * observed) << "Tgn at or below Tn on " << grassBelow << " of " << observed << " nights";
    EXPECT_TRUE(unobserved >= 1 && unobserved <= 60) << unobserved << " nights without Tgn, not a few";
}

TEST(SampleClimate, HumidityAndVapourPressureAgree) {
    for (const Day& d : days()) {
        EXPECT_LE(d[sample::U], 100) << d.date();
        const double e = EXW(d[sample::T]) * d[sample::U] / 100;
        EXPECT_LE(std::fabs(d[sample::E] - e), 0.5 + 1e-9)
            << "e " << d[sample::E] << " against EXW(T) u / 100 = " << e << " on " << d.date();
    }
}

TEST(SampleClimate, SunshineFitsTheDayLength) {
    for (const Day& d : days()) {
        const double length = DAGLENGTE(LATITUDE, d.month, d.day);
        EXPECT_LE(d[sample::SS], length) << "sunshine longer than the day on " << d.date();
        EXPECT_LE(std::fabs(d[sample::RS] - 100 * d[sample::SS] / length), 0.5 + 1e-9)
            << "rS " << d[sample::RS] << " is not sS " << d[sample::SS] << " of " << length << " on " << d.date();
    }
}

// Global radiation against the extraterrestrial value: a straight line in the relative sunshine with
// a positive slope and little scatter, month by month.
TEST(SampleClimate, RadiationRisesWithSunshineAsAngstromHasIt) {
    for (int month = 1; month <= 12; ++month) {
        double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;
        for (const Day& d : days()) {
            if (d.month != month) continue;
            const double x = d[sample::RS] / 100.0, y = d[sample::SQ] / QNUL(LATITUDE, d.month, d.day);
            n += 1, sx += x, sy += y, sxx += x * x, sxy += x * y, syy += y * y;
        }
        const double b = (n * sxy - sx * sy) / (n * sxx - sx * sx), a = (sy - b * sx) / n;
        const double scatter = std::sqrt((syy - a * sy - b * sxy) / n);
        EXPECT_TRUE(b > 0.3 && b < 0.8 && a > 0.1 && a < 0.35)
            << "month " << month << ": sQ / Q0 = " << a << " + " << b << " rS / 100";
        EXPECT_LT(scatter, 0.05) << "month " << month << ": scatter about the Angstrom line " << scatter;
    }
}

TEST(SampleClimate, RainFieldsAgree) {
    for (const Day& d : days()) {
        const int sR = d[sample::SR], dR = d[sample::DR], Rdvl = d[sample::RDVL];
        if (sR == 0) EXPECT_EQ(dR, 0) << "rain hours on the dry day " << d.date();
        else EXPECT_TRUE(dR >= 1 && dR <= 24) << dR << " rain hours on the wet day " << d.date();
        EXPECT_LE(std::abs(Rdvl - sR), 2 + sR / 5) << "gauge " << Rdvl << " against pluviograph " << sR << " on "
                                                   << d.date();
    }
}

TEST(SampleClimate, WindFieldsAgree) {
    int calm = 0, variable = 0, sectors[8] = {};
    for (const Day& d : days()) {
        const int dd = d[sample::DD];
        EXPECT_LT(d[sample::F2], d[sample::F9]) << "wind at 2 m not below 9 m on " << d.date();
        if (dd == 0) {
            ++calm;
            EXPECT_LE(d[sample::F9], 10) << "no direction on the windy day " << d.date();
        }
        if (dd == 999) ++variable;
        if (dd >= 1 && dd <= 360) ++sectors[((dd + 22) / 45) % 8];
    }
    EXPECT_GE(calm, 1);
    EXPECT_TRUE(variable >= 1 && variable <= sample::DAYS / 100) << variable << " days of variable wind";
    const int SW = 5;
    EXPECT_EQ(std::max_element(sectors, sectors + 8) - sectors, SW) << "south-west does not prevail";
}

// Snow lies only on cold days, and only once snow has fallen: a spell of snow cover opens with
// precipitation at or below 1 degC on its first day or the day before.
TEST(SampleClimate, SnowCoverFollowsSnowfallOnColdDays) {
    int covered = 0;
    auto snowfall = [](const Day& d) { return d[sample::SR] > 0 && d[sample::T] <= 10; };
    for (std::size_t i = 1; i < days().size(); ++i) {
        const Day &d = days()[i], &before = days()[i - 1];
        if (d.code(sample::SNOW) == ' ') continue;
        ++covered;
        EXPECT_LE(d[sample::T], 30) << "snow cover on the mild day " << d.date();
        const bool spellGoesOn = before.code(sample::SNOW) != ' ';
        EXPECT_TRUE(spellGoesOn || snowfall(d) || snowfall(before)) << "snow cover without snowfall on " << d.date();
    }
    EXPECT_GT(covered, 100);
}

double lagOneAutocorrelation() {
    std::vector<double> anomaly;
    for (const Day& d : days())
        if (d.inNormalPeriod()) anomaly.push_back(d[sample::T] - KLT[d.decade()][4]);
    double mean = 0, lagged = 0, variance = 0;
    for (double a : anomaly) mean += a / static_cast<double>(anomaly.size());
    for (std::size_t i = 0; i < anomaly.size(); ++i) {
        variance += (anomaly[i] - mean) * (anomaly[i] - mean);
        if (i > 0) lagged += (anomaly[i] - mean) * (anomaly[i - 1] - mean);
    }
    return lagged / variance;
}

TEST(SampleClimate, TemperatureAnomaliesPersistFromDayToDay) {
    const double r = lagOneAutocorrelation();
    EXPECT_TRUE(r >= 0.7 && r <= 0.9) << "lag-1 autocorrelation " << r;
}

}  // namespace
