// Writing and reading the archive's fixed 96-column day records
#include <array>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "observation.h"

namespace gensample {
namespace {

struct NumberField {
    int column;  // first of the four columns, 1-based
    int Observation::*value;
};

// Tgn is left out: it alone can be "not observed".
constexpr std::array<NumberField, 15> NUMBER_FIELDS{{
    {17, &Observation::Rdvl}, {27, &Observation::Tn}, {32, &Observation::Tx}, {37, &Observation::T},
    {42, &Observation::de},   {47, &Observation::e},  {52, &Observation::u},  {57, &Observation::DD},
    {62, &Observation::f2},   {67, &Observation::f9}, {72, &Observation::dR}, {77, &Observation::sR},
    {82, &Observation::rS},   {87, &Observation::sS}, {92, &Observation::sQ},
}};
constexpr int TGN_COLUMN = 22, SNOW_COLUMN = 21, DD_CODE_COLUMN = 61, DATE_COLUMN = 6;

void putNumber(std::string& rec, int column, int value) {
    if (value < -999 || value > 9999) throw std::range_error("value does not fit four columns");
    char text[8];
    std::snprintf(text, sizeof text, "%4d", value);
    rec.replace(column - 1, 4, text, 4);
}

int getNumber(std::string_view rec, int column, int width = 4) {
    std::string_view field = rec.substr(column - 1, width);
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    const bool negative = !field.empty() && field.front() == '-';
    if (negative) field.remove_prefix(1);
    if (field.empty()) return 0;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

}  // namespace

std::string formatRecord(const Observation& o) {
    std::string rec(RECORD_LENGTH, ' ');
    rec.replace(0, 4, STATION_MARKER);
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02d%02d", o.date.year, o.date.month, o.date.day);
    rec.replace(DATE_COLUMN - 1, 8, date, 8);
    for (const NumberField& f : NUMBER_FIELDS) putNumber(rec, f.column, o.*f.value);
    if (o.tgnObserved) putNumber(rec, TGN_COLUMN, o.Tgn);
    rec[SNOW_COLUMN - 1] = o.snowCode;
    rec[DD_CODE_COLUMN - 1] = o.ddCode;
    return rec;
}

Observation parseRecord(std::string_view rec) {
    Observation o;
    o.date = {getNumber(rec, DATE_COLUMN, 4), getNumber(rec, DATE_COLUMN + 4, 2), getNumber(rec, DATE_COLUMN + 6, 2)};
    for (const NumberField& f : NUMBER_FIELDS) o.*f.value = getNumber(rec, f.column);
    o.tgnObserved = rec.substr(TGN_COLUMN - 1, 4) != "    ";
    o.Tgn = getNumber(rec, TGN_COLUMN);
    o.snowCode = rec[SNOW_COLUMN - 1];
    o.ddCode = rec[DD_CODE_COLUMN - 1];
    return o;
}

void writeArchive(const std::string& path, const std::vector<Observation>& days) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const Observation& o : days) out << formatRecord(o);
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

std::vector<Observation> readArchive(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::vector<Observation> days;
    std::string rec(RECORD_LENGTH, ' ');
    while (in.read(rec.data(), RECORD_LENGTH)) days.push_back(parseRecord(rec));
    return days;
}

}  // namespace gensample
