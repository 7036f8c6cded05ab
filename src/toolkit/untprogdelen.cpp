// Key, signal and date helpers shared by every screen.
#include "toolkit/untprogdelen.h"

#include <cstdint>

#include "platform/graph.h"

char KR = '\0';

void LEESKEY(char& CH) {
    // Keys typed ahead, for instance during a long drawing, are dropped.
    while (KeyPressed()) ReadKey();
    do {
        CH = ReadKey();
    } while (CH == '\0');
}

void FLUITEN() {
    TraceEvent("signal FLUITEN");
    Alert();
}

void BROM() {
    TraceEvent("signal BROM");
    Sound(50, 15);
}

bool KIESSTAP(char KEY, int16_t& KK, int16_t NN, int16_t NX) {
    if (KEY == 'H' || KEY == 'K') {
        KK = KK > NN ? static_cast<int16_t>(KK - 1) : NX;
        return false;
    }
    if (KEY == 'M' || KEY == 'P') {
        KK = KK < NX ? static_cast<int16_t>(KK + 1) : NN;
        return false;
    }
    return true;
}

int32_t FieldNumber(std::string_view field) {
    size_t i = field.find_first_not_of(' ');
    if (i == std::string_view::npos) return 0;
    bool negative = field[i] == '-';
    if (negative) ++i;
    if (i == field.size()) return 0;
    int64_t value = 0;
    for (; i < field.size(); ++i) {
        char c = field[i];
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
        if (value > INT32_MAX) return 0;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

namespace {
const int32_t kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// A two-character part of the date as an unsigned 16-bit number.
int32_t DatePart(std::string_view text, size_t at) {
    int32_t v = at < text.size() ? FieldNumber(text.substr(at, 2)) : 0;
    return v < 0 ? 0 : v;
}
}  // namespace

int32_t DAGNUMMER(std::string_view SDATUM) {
    int32_t JJ = DatePart(SDATUM, 0), MM = DatePart(SDATUM, 2), DD = DatePart(SDATUM, 4);
    if (MM < 1) MM = 1;
    if (MM > 12) MM = 12;
    int32_t DAG = kDaysBeforeMonth[MM - 1] + DD;
    if (JJ % 4 == 0 && MM > 2) DAG += 1;
    return (JJ - 1) * 365 + (JJ - 1) / 4 + DAG;
}
