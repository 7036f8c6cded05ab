// The observation archive: one 96-character record per day from 1 June 1941.
#include "archive/untmete0.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "toolkit/runerror.h"
#include "toolkit/untprogdelen.h"

Archiefbestand F;
std::array<uint8_t, RECLEN> REC{};
std::string SREC(RECLEN, ' ');
int32_t RECNR = 0;
int32_t AANV = 0;
int32_t XRECNR = -1;

void Archiefbestand::Open(const std::string& name) {
    name_ = name;
    position_ = 0;
    fd_ = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        int err = errno;
        if (err == ENOENT) RunError(ErrFileNotFound, "archive " + name + " not found");
        RunError(ErrFileAccess, "archive " + name + " cannot be opened: " + std::strerror(err));
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        Close();
        RunError(ErrFileAccess, "archive " + name + " is not a readable file");
    }
    off_t whole = info.st_size / RECLEN;
    records_ = whole > INT32_MAX ? INT32_MAX : static_cast<int32_t>(whole);
}

void Archiefbestand::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void Archiefbestand::Reset() {
    Close();
    Open(name_);
}

void Archiefbestand::Seek(int32_t n) {
    if (n < 0) RunError(ErrRange, "archive positioned before its first record");
    position_ = n;
}

void Archiefbestand::Read() {
    if (fd_ < 0 || position_ >= records_) RunError(ErrReadPastEnd, "read past the end of the archive");
    off_t at = static_cast<off_t>(position_) * RECLEN;
    ssize_t got = ::pread(fd_, REC.data(), RECLEN, at);
    if (got != RECLEN) RunError(ErrReadPastEnd, "read past the end of the archive");
    ++position_;
    SREC.assign(reinterpret_cast<const char*>(REC.data()), RECLEN);
}

bool Archiefbestand::Eof() const { return position_ >= records_; }

int32_t Archiefbestand::FileSize() const { return records_; }

void InitUntMete0() {
    F.Open(FILENAAM);
    SREC.assign(RECLEN, ' ');
    AANV = DAGNUMMER("410601");
    XRECNR = F.FileSize() - 1;
}

void SluitUntMete0() { F.Close(); }

std::string_view Kolommen(int from, int len) { return std::string_view(SREC).substr(from - 1, len); }

int32_t Veld(int from, int len) { return FieldNumber(Kolommen(from, len)); }
