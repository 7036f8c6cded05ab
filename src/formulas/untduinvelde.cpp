// Site tables and angle functions: decade normals, calendar names, tangent and arc functions
#include "formulas/untduinvelde.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "toolkit/runerror.h"

namespace {
// Beyond this magnitude the series' factorial products leave the range of a double
// before the terms get small, so the library's function takes over there.
constexpr double REEKSGRENS = 0.98;
// Pi/2 to seven decimals, on purpose not the full value: the arc cosine is defined with it.
constexpr double HALFPI7 = 1.5707963;
}  // namespace

double TAN(double GG) { return std::sin(GG) / std::cos(GG); }

double ARCSIN(double GG, int& TERMEN) {
    TERMEN = 0;
    if (!(std::fabs(GG) <= 1))
        RunError(ErrInvalidFloat, "invalid floating-point operation: arc sine of " + std::to_string(GG));
    if (std::fabs(GG) >= REEKSGRENS) return std::asin(GG);
    std::int32_t PP = 1;
    double TLR = 1, NMR = 1, GGM = GG, XX = GG, TT;
    do {
        TLR = TLR * PP;
        PP = PP + 1;
        NMR = NMR * PP;
        PP = PP + 1;
        GGM = GGM * GG * GG;
        TT = TLR / (PP * NMR) * GGM;
        XX = XX + TT;
        ++TERMEN;
    } while (!(std::fabs(TT) < 0.000001));
    return XX;
}

double ARCSIN(double GG) {
    int TERMEN;
    return ARCSIN(GG, TERMEN);
}

double ARCCOS(double GG) {
    if (std::fabs(GG) >= REEKSGRENS && std::fabs(GG) <= 1) return std::acos(GG);
    return HALFPI7 - ARCSIN(GG);
}

const std::array<std::string_view, 13> SMAANDNAAM = {
    "",     "januari",  "februari", "maart",     "april",   "mei",      "juni",
    "juli", "augustus", "september", "oktober", "november", "december"};

const std::array<std::string_view, 7> SDAGNAAM = {
    "maandag", "dinsdag", "woensdag", "donderdag", "vrijdag", "zaterdag", "zondag"};

// clang-format off
const double KLT[37][11] = {
    { 0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0},
    { 1,  -16,   -9,   44,   20,   64,   42,    4,   26,   13,  192},
    { 2,  -18,   -6,   45,   21,   65,   44,    4,   21,   16,  235},
    { 3,  -31,   -8,   43,   18,   64,   40,    3,   19,   18,  286},
    { 4,  -22,   -3,   49,   24,   66,   46,    4,   25,   20,  355},
    { 5,  -23,  -14,   42,   15,   61,   39,    3,   16,   23,  447},
    { 6,  -41,  -15,   51,   18,   61,   38,    2,   14,   31,  599},
    { 7,  -34,  -14,   61,   22,   61,   38,    2,   11,   36,  740},
    { 8,  -13,    8,   78,   41,   69,   42,    3,   17,   35,  814},
    { 9,    2,   20,   95,   55,   75,   40,    3,   16,   41, 1000},
    {10,   14,   28,  103,   64,   80,   44,    3,   22,   48, 1193},
    {11,   12,   36,  125,   79,   85,   39,    2,   12,   64, 1515},
    {12,   15,   37,  128,   83,   85,   40,    2,   14,   67, 1641},
    {13,   33,   55,  150,  103,   96,   40,    2,   16,   72, 1799},
    {14,   48,   71,  162,  114,  106,   37,    2,   14,   74, 1896},
    {15,   51,   73,  166,  120,  109,   36,    2,   15,   67, 1823},
    {16,   68,   91,  186,  139,  122,   38,    2,   14,   82, 2106},
    {17,   73,   94,  182,  139,  125,   38,    2,   20,   74, 1985},
    {18,   88,  108,  189,  149,  133,   38,    2,   18,   69, 1923},
    {19,  101,  117,  199,  157,  141,   37,    2,   24,   69, 1899},
    {20,  107,  123,  200,  161,  146,   39,    3,   24,   66, 1807},
    {21,  101,  124,  204,  165,  149,   38,    2,   23,   69, 1807},
    {22,   99,  124,  205,  165,  150,   36,    3,   30,   63, 1672},
    {23,  102,  122,  201,  162,  148,   38,    3,   32,   61, 1563},
    {24,   97,  117,  203,  161,  147,   37,    3,   27,   63, 1510},
    {25,   87,  109,  193,  151,  138,   35,    3,   26,   56, 1313},
    {26,   81,  101,  185,  142,  132,   37,    3,   30,   46, 1080},
    {27,   73,   92,  173,  133,  125,   37,    3,   32,   40,  905},
    {28,   56,   81,  162,  121,  119,   34,    3,   22,   38,  785},
    {29,   46,   70,  146,  109,  109,   37,    3,   28,   33,  640},
    {30,   43,   61,  124,   93,  101,   39,    4,   34,   26,  480},
    {31,   22,   41,  106,   74,   89,   40,    5,   37,   21,  369},
    {32,   14,   30,   86,   58,   82,   39,    4,   30,   16,  276},
    {33,   14,   26,   80,   55,   80,   39,    4,   27,   13,  218},
    {34,    4,   18,   70,   45,   75,   42,    4,   31,   13,  194},
    {35,    0,    8,   59,   35,   73,   38,    4,   25,   10,  161},
    {36,  -16,   -2,   51,   27,   68,   39,    4,   23,   12,  176},
};
// clang-format on
