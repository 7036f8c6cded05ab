// Run-time errors: a failed guard ends the program with its error number.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Thrown by RunError; the main program catches it, closes the window and exits
// with the code as status after printing "Runtime error <code>: <what>".
class RunErrorException : public std::runtime_error {
public:
    RunErrorException(int code, const std::string& what);
    int code() const { return code_; }

private:
    int code_;
};

// Error numbers of the guards.
enum RunErrorCode : int {
    ErrFileNotFound = 2,
    ErrFileAccess = 5,
    ErrReadPastEnd = 100,
    ErrDivisionByZero = 200,
    ErrRange = 201,
    ErrFloatOverflow = 205,
    ErrInvalidFloat = 207,
    ErrArithOverflow = 215,
};

[[noreturn]] void RunError(int code, const std::string& what);

// Checked conversions for the 16- and 32-bit variables of the screens.
// A value that does not fit raises error 201 (range); a real that is not a
// number raises 207, one beyond the integer range 205.
int16_t Checked16(long long value, const char* what);
int32_t Checked32(long long value, const char* what);
long long TruncReal(double value, const char* what);   // toward zero
long long RoundReal(double value, const char* what);   // nearest, halves to even
