// The observation archive: one 96-character record per day from 1 June 1941.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int RECLEN = 96;
constexpr int POSJJ = 8;
constexpr const char* FILENAAM = "WEERDATA.VSs";
constexpr std::string_view SKOP1 = "DWRN jjjjmmdd    Rdvl  Tgn   Tn   Tx    T   de    e    u";
constexpr std::string_view SFOR1 = "    .    1    .    2    .    3    .    4    .    5    . ";
constexpr std::string_view SKOP2 = "DWRN jjjjmmdd  >   DD   f2   f9   dR   sR   rS   sS   sQ";
constexpr std::string_view SFOR2 = "    .    1    .>   6    .    7    .    8    .    9    . ";

// The archive file, open for reading only from start-up to the end: the
// program never changes the observations.
class Archiefbestand {
public:
    void Open(const std::string& name);  // error 2 when missing, 5 when unreadable
    void Close();
    void Reset();                        // close and open again at record 0
    void Seek(int32_t n);                // the next read takes record n; error 201 below 0
    void Read();                         // into REC and SREC; error 100 past the last record
    bool Eof() const;                    // the last record has been read
    int32_t FileSize() const;            // whole records; a partial one at the end is ignored
    bool IsOpen() const { return fd_ >= 0; }

private:
    std::string name_;
    int fd_ = -1;
    int32_t position_ = 0;
    int32_t records_ = 0;
};

extern Archiefbestand F;
extern std::array<uint8_t, RECLEN> REC;
extern std::string SREC;  // always 96 characters: the bytes of REC
extern int32_t RECNR;
extern int32_t AANV;
extern int32_t XRECNR;

// Start-up: open the archive in the working directory and take its measure.
void InitUntMete0();
// End of the run: close the archive.
void SluitUntMete0();

// Characters FROM..FROM+LEN-1 (counting from 1) of SREC.
std::string_view Kolommen(int from, int len);
// The number in those columns (blank or malformed: 0).
int32_t Veld(int from, int len);
