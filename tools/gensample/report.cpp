// Measuring an archive against the site's normals and the period's remembered seasons
#include "report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>

#include "formulas/untformules.h"
#include "formulas/untverdamping.h"
#include "normals.h"

namespace gensample {
namespace {

constexpr double LATITUDE = 52.55;

template <class... Values>
std::string text(const char* pattern, Values... values) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, pattern, values...);
    return buffer;
}

struct Row {
    std::string figure, required, found;
};

// --- Decade means -----------------------------------------------------------------------------

struct DecadeField {
    const char* name;
    NormalColumn column;
    int Observation::*value;
    double tolerance;  // in the field's tenths, or in per cent of the normal when relative
    bool relative;
    const char* unit;
};

constexpr DecadeField DECADE_FIELDS[] = {
    {"T", N_T, &Observation::T, 5, false, "degC"},     {"Tn", N_TN, &Observation::Tn, 5, false, "degC"},
    {"Tx", N_TX, &Observation::Tx, 5, false, "degC"},  {"Tgn", N_TGN, &Observation::Tgn, 10, false, "degC"},
    {"e", N_E, &Observation::e, 5, false, "hPa"},      {"f9", N_F9, &Observation::f9, 5, false, "m/s"},
    {"sR", N_SR, &Observation::sR, 20, true, "%"},     {"sS", N_SS, &Observation::sS, 15, true, "%"},
    {"sQ", N_SQ, &Observation::sQ, 10, true, "%"},
};

Row decadeRow(const std::vector<Observation>& days, const DecadeField& f) {
    double sum[37] = {}, count[37] = {};
    for (const Observation& o : days) {
        if (!inNormalPeriod(o.date) || (f.column == N_TGN && !o.tgnObserved)) continue;
        sum[decadeOfYear(o.date)] += o.*f.value;
        count[decadeOfYear(o.date)] += 1;
    }
    double worst = -1;
    int worstDecade = 0;
    for (int d = 1; d <= 36; ++d) {
        const double normal = decadeNormal(f.column, d), mean = count[d] > 0 ? sum[d] / count[d] : 0;
        const double off = f.relative ? 100 * std::fabs(mean - normal) / normal : std::fabs(mean - normal) / 10;
        if (off > worst) worst = off, worstDecade = d;
    }
    const double tolerance = f.relative ? f.tolerance : f.tolerance / 10;
    return {std::string("decade means of ") + f.name + ", worst distance from the normal",
            text(f.relative ? "within %.0f %%" : "within %.1f ", tolerance) + (f.relative ? "" : f.unit),
            text(f.relative ? "%.2f %% (decade %d)" : "%.3f (decade %d)", worst, worstDecade)};
}

// --- Day by day -------------------------------------------------------------------------------

struct DayCounts {
    int outOfOrder = 0, grassAbove = 0, grassObserved = 0, grassMissing = 0, humidAbove = 0;
    double vapourOff = 0, shareOff = 0;
    int sunBeyondDay = 0, rainHoursWrong = 0, windOrder = 0, calm = 0, variable = 0, snowDays = 0;
    int wetDays = 0, sectors[8] = {};
    double gaugeOff = 0;
};

void countDay(const Observation& o, DayCounts& c) {
    c.outOfOrder += !(o.Tn <= o.T && o.T <= o.Tx);
    if (o.tgnObserved) c.grassObserved++, c.grassAbove += o.Tgn > o.Tn;
    else c.grassMissing++;
    c.humidAbove += o.u > 100;
    c.vapourOff = std::max(c.vapourOff, std::fabs(o.e - EXW(o.T) * o.u / 100));
    const double length = DAGLENGTE(LATITUDE, o.date.month, o.date.day);
    c.sunBeyondDay += o.sS > length;
    c.shareOff = std::max(c.shareOff, std::fabs(o.rS - 100 * o.sS / length));
    c.rainHoursWrong += o.sR == 0 ? o.dR != 0 : (o.dR < 1 || o.dR > 24);
    c.wetDays += o.sR > 0;
    c.gaugeOff = std::max(c.gaugeOff, std::fabs(o.Rdvl - o.sR) / std::max(10, o.sR));
    c.windOrder += o.f2 >= o.f9;
    c.calm += o.DD == 0;
    c.variable += o.DD == 999;
    if (o.DD >= 1 && o.DD <= 360) c.sectors[((o.DD + 22) / 45) % 8]++;
    c.snowDays += o.snowCode != ' ';
}

// Angstrom's relation fitted over the whole archive: global radiation over the clear-sky
// (extraterrestrial) value against the relative sunshine.
struct Angstrom {
    double a, b, spread;
};

Angstrom fitAngstrom(const std::vector<Observation>& days) {
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;
    for (const Observation& o : days) {
        const double x = o.rS / 100.0, y = o.sQ / QNUL(LATITUDE, o.date.month, o.date.day);
        n += 1, sx += x, sy += y, sxx += x * x, sxy += x * y, syy += y * y;
    }
    const double b = (n * sxy - sx * sy) / (n * sxx - sx * sx), a = (sy - b * sx) / n;
    const double residual = (syy - a * sy - b * sxy) / n;
    return {a, b, std::sqrt(std::max(0.0, residual))};
}

double lagOneAutocorrelation(const std::vector<Observation>& days) {
    std::vector<double> anomaly;
    for (const Observation& o : days)
        if (inNormalPeriod(o.date)) anomaly.push_back(o.T - decadeNormal(N_T, decadeOfYear(o.date)));
    double mean = 0;
    for (double a : anomaly) mean += a;
    mean /= static_cast<double>(anomaly.size());
    double lagged = 0, variance = 0;
    for (std::size_t i = 0; i < anomaly.size(); ++i) {
        variance += (anomaly[i] - mean) * (anomaly[i] - mean);
        if (i > 0) lagged += (anomaly[i] - mean) * (anomaly[i - 1] - mean);
    }
    return lagged / variance;
}

// --- Seasons ----------------------------------------------------------------------------------

struct Year {
    double hellmann = 0;      // winter ending in this year
    double summerNumber = 0;  // 1 April - 30 September
    double surplus = 0, deficit = 0;  // running precipitation surplus over Makkink, summer half-year
    double rain = 0, temperature = 0, days = 0;
};

std::map<int, Year> seasonsOf(const std::vector<Observation>& days) {
    std::map<int, Year> years;
    for (const Observation& o : days) {
        const Date d = o.date;
        if (inWinterHalf(d) && o.T < 0) years[winterOf(d) + 1].hellmann -= o.T / 10.0;
        Year& y = years[d.year];
        y.rain += o.Rdvl / 10.0, y.temperature += o.T / 10.0, y.days += 1;
        if (inWinterHalf(d)) continue;
        if (o.T > 150) y.summerNumber += (o.T - 150) / 10.0;
        y.surplus += (o.Rdvl - MAKKINK(o.sQ, o.T)) / 10.0;
        y.deficit = std::min(y.deficit, y.surplus);
    }
    return years;
}

int rankOf(const std::map<int, Year>& years, int year, double Year::*figure, bool largest) {
    int rank = 1;
    for (const auto& [y, v] : years) {
        if (y < NORMAL_FIRST_YEAR || y > NORMAL_LAST_YEAR || y == year) continue;
        rank += largest ? v.*figure > years.at(year).*figure : v.*figure < years.at(year).*figure;
    }
    return rank;
}

void addWinterRows(const std::map<int, Year>& years, std::vector<Row>& rows) {
    for (int y : {1942, 1947, 1963})
        rows.push_back({text("Hellmann number of winter %d/%02d", y - 1, y % 100), "above 250",
                        text("%.1f", years.at(y).hellmann)});
    rows.push_back({"Hellmann number of winter 1955/56", "above 100", text("%.1f", years.at(1956).hellmann)});
    int mild = 0;
    for (int y = NORMAL_FIRST_YEAR; y <= NORMAL_LAST_YEAR; ++y) mild += years.at(y).hellmann < 20;
    rows.push_back({"winters 1941/42-1970/71 with a Hellmann number below 20", "at least 5", text("%d", mild)});
}

void addSummerRows(const std::map<int, Year>& years, std::vector<Row>& rows) {
    for (int y : {1947, 1959})
        rows.push_back({text("summer %d: summer number (rank among 1942-1971)", y), "one of the two largest",
                        text("%.1f (%d)", years.at(y).summerNumber, rankOf(years, y, &Year::summerNumber, true))});
    for (int y : {1954, 1965})
        rows.push_back({text("summer %d: summer number", y), "below 50", text("%.1f", years.at(y).summerNumber)});
    for (int y : {1947, 1959})
        rows.push_back({text("summer %d: maximal precipitation deficit, mm (rank)", y), "beyond 200",
                        text("%.1f (%d)", 0.0 - years.at(y).deficit, rankOf(years, y, &Year::deficit, false))});
}

// --- Output -----------------------------------------------------------------------------------

void addDayRows(const DayCounts& c, std::vector<Row>& rows) {
    const double grassBelow = 100.0 * (c.grassObserved - c.grassAbove) / c.grassObserved;
    rows.insert(rows.end(), {
        {"days with Tn <= T <= Tx broken", "0", text("%d", c.outOfOrder)},
        {"nights with Tgn at or below Tn", "most", text("%.1f %%", grassBelow)},
        {"winter nights with Tgn not observed", "a few", text("%d", c.grassMissing)},
        {"days with u above 100", "0", text("%d", c.humidAbove)},
        {"largest distance of e from EXW(T) u / 100, tenths of hPa", "rounding (0.5)", text("%.3f", c.vapourOff)},
        {"days with sS above the day length", "0", text("%d", c.sunBeyondDay)},
        {"largest distance of rS from 100 sS / day length, %", "rounding (0.5)", text("%.3f", c.shareOff)},
        {"days with dR not 0 when dry or not 1-24 when wet", "0", text("%d", c.rainHoursWrong)},
        {"largest distance of Rdvl from sR, as a share of sR (at least 1 mm)", "close", text("%.3f", c.gaugeOff)},
        {"days with f2 not below f9", "0", text("%d", c.windOrder)},
    });
}

void addWeatherRows(const std::vector<Observation>& days, const DayCounts& c, std::vector<Row>& rows) {
    const Angstrom fit = fitAngstrom(days);
    const char* SECTOR[8] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    const auto prevailing = std::max_element(c.sectors, c.sectors + 8) - c.sectors;
    const double n = static_cast<double>(days.size());
    rows.insert(rows.end(), {
        {"Angstrom fit sQ / Q0 = a + b rS / 100", "b > 0, small scatter",
         text("a = %.3f, b = %.3f, scatter %.3f", fit.a, fit.b, fit.spread)},
        {"wet days", "", text("%.1f %%", 100 * c.wetDays / n)},
        {"prevailing wind sector (of eight)", "SW", SECTOR[prevailing]},
        {"calm days (DD 0) / variable (DD 999, code 9)", "a few", text("%d / %d", c.calm, c.variable)},
        {"days with snow cover (code 5, 6 or 7)", "cold days after snowfall", text("%d", c.snowDays)},
        {"lag-1 autocorrelation of daily T anomalies", "0.7-0.9", text("%.3f", lagOneAutocorrelation(days))},
    });
}

void printTable(const std::vector<Row>& rows, std::ostream& out) {
    out << "| Figure | Required | Sample archive |\n|---|---|---|\n";
    for (const Row& r : rows) out << "| " << r.figure << " | " << r.required << " | " << r.found << " |\n";
}

void printYears(const std::map<int, Year>& years, std::ostream& out) {
    out << "\n| Year | Hellmann (winter ending) | Summer number | Max. deficit (mm) | Rdvl (mm) | Mean T (degC) |\n"
           "|---|---|---|---|---|---|\n";
    for (int y = NORMAL_FIRST_YEAR; y <= NORMAL_LAST_YEAR; ++y) {
        const Year& v = years.at(y);
        out << text("| %d | %.1f | %.1f", y, v.hellmann, v.summerNumber)
            << text(" | %.1f | %.0f | %.2f |\n", 0.0 - v.deficit, v.rain, v.temperature / v.days);
    }
}

bool wholePeriod(const std::vector<Observation>& days) {
    if (days.size() != DAY_COUNT || days.front().date != FIRST_DAY) return false;
    for (std::size_t i = 1; i < days.size(); ++i)
        if (days[i].date != nextDate(days[i - 1].date)) return false;
    return true;
}

}  // namespace

void printReport(const std::vector<Observation>& days, std::ostream& out) {
    // The seasons' figures need every day of the period in its place.
    if (!wholePeriod(days)) throw std::runtime_error("the archive does not hold every day of 1941-06-01 .. 1971-12-31");
    std::vector<Row> rows{{"records of 96 bytes, 1 June 1941 - 31 December 1971, consecutive", "11171",
                           text("%zu, consecutive", days.size())}};
    for (const DecadeField& f : DECADE_FIELDS) rows.push_back(decadeRow(days, f));
    DayCounts c;
    for (const Observation& o : days) countDay(o, c);
    addDayRows(c, rows);
    addWeatherRows(days, c, rows);
    const std::map<int, Year> years = seasonsOf(days);
    addWinterRows(years, rows);
    addSummerRows(years, rows);
    printTable(rows, out);
    printYears(years, out);
}

}  // namespace gensample
