// The archive file: opening, positioning, reading and its failures.
#include "archive/untmete0.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/fixtures.h"
#include "support/programrun.h"
#include "toolkit/runerror.h"

namespace {

using testsupport::TempDir;
using testsupport::WriteFile;

int ErrorCodeOf(void (*action)()) {
    try {
        action();
    } catch (const RunErrorException& e) {
        return e.code();
    }
    return 0;
}

class ArchiveTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string previous = std::filesystem::current_path();
    void SetUp() override { std::filesystem::current_path(dir.path()); }
    void TearDown() override {
        SluitUntMete0();
        std::filesystem::current_path(previous);
    }
};

TEST_F(ArchiveTest, CountsWholeRecordsAndIgnoresARemainder) {
    WriteFile("WEERDATA.VSs", testsupport::ArchiveOfDays(30) + std::string(50, 'x'));
    InitUntMete0();
    EXPECT_EQ(AANV, 14762);
    EXPECT_EQ(XRECNR, 29);
    EXPECT_EQ(F.FileSize(), 30);
    EXPECT_EQ(SREC.size(), 96u);
}

TEST_F(ArchiveTest, ReadsRecordsInOrderFromTheSeekPosition) {
    WriteFile("WEERDATA.VSs", testsupport::ArchiveOfDays(40, [](int i, testsupport::Day& d) { d.Set("T", i); }));
    InitUntMete0();
    F.Seek(31);
    F.Read();
    EXPECT_EQ(Kolommen(6, 8), "19410702");
    EXPECT_EQ(Veld(37, 4), 31);
    F.Read();
    EXPECT_EQ(Veld(37, 4), 32);
    F.Seek(39);
    EXPECT_FALSE(F.Eof());
    F.Read();
    EXPECT_TRUE(F.Eof());
    F.Reset();
    EXPECT_FALSE(F.Eof());
    F.Read();
    EXPECT_EQ(Kolommen(6, 8), "19410601");
}

TEST_F(ArchiveTest, ReadingPastTheEndAndSeekingBeforeTheStartAreRunTimeErrors) {
    WriteFile("WEERDATA.VSs", testsupport::ArchiveOfDays(2));
    InitUntMete0();
    EXPECT_EQ(ErrorCodeOf([] { F.Seek(2); F.Read(); }), 100);
    EXPECT_EQ(ErrorCodeOf([] { F.Seek(-1); }), 201);
    EXPECT_EQ(ErrorCodeOf([] { F.Seek(1); F.Read(); }), 0);
}

TEST_F(ArchiveTest, MissingOrUnreadableArchivesAreRunTimeErrors) {
    EXPECT_EQ(ErrorCodeOf(InitUntMete0), 2);
    std::filesystem::create_directory("WEERDATA.VSs");
    EXPECT_EQ(ErrorCodeOf(InitUntMete0), 5);
}

TEST_F(ArchiveTest, AnyBytesAreReadWithoutHarm) {
    std::string bytes(96 * 3, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 37);
    WriteFile("WEERDATA.VSs", bytes);
    InitUntMete0();
    for (int r = 0; r < 3; ++r) {
        F.Read();
        for (int col = 17; col <= 92; col += 5) (void)Veld(col, 4);
    }
    EXPECT_TRUE(F.Eof());
}

}  // namespace
