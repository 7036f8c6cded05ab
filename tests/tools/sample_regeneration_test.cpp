// The committed sample archive and its README figures are exactly what the generator makes now
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "sample_archive.h"

namespace {

// A scratch file of this test process, removed when the test ends.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()))) {}
    ~ScratchFile() { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

int run(const std::string& command) { return std::system(command.c_str()); }

std::string firstDifference(const std::string& made, const std::string& committed) {
    const std::size_t n = std::min(made.size(), committed.size());
    for (std::size_t i = 0; i < n; ++i)
        if (made[i] != committed[i])
            return "record " + std::to_string(i / sample::RECORD) + " (" + committed.substr(i / 96 * 96 + 5, 8) +
                   "), column " + std::to_string(i % 96 + 1);
    return "sizes " + std::to_string(made.size()) + " and " + std::to_string(committed.size());
}

TEST(SampleArchive, RegeneratesByteForByte) {
    ScratchFile out("gensample-archive");
    ASSERT_EQ(run(std::string(GENSAMPLE_EXE) + " " + out.path()), 0);
    const std::string made = sample::readBytes(out.path()), committed = sample::readBytes(sample::archivePath());
    ASSERT_FALSE(committed.empty()) << "no archive at " << sample::archivePath();
    EXPECT_TRUE(made == committed) << "regenerated archive differs first at " << firstDifference(made, committed);
}

TEST(SampleArchive, ReadmeCarriesTheReportOfTheCommittedArchive) {
    ScratchFile out("gensample-report");
    ASSERT_EQ(run(std::string(GENSAMPLE_EXE) + " --report " + sample::archivePath() + " > " + out.path()), 0);
    const std::string report = sample::readBytes(out.path());
    const std::string readme = sample::readBytes(std::string(DUINVELDE_SOURCE_DIR) + "/data/README.md");
    ASSERT_GT(report.size(), 1000u);
    EXPECT_NE(readme.find(report), std::string::npos)
        << "data/README.md does not hold the current output of gensample --report:\n" << report;
}

TEST(SampleArchive, ReportOfAFreshSampleMatchesTheCommittedOne) {
    ScratchFile fresh("gensample-fresh"), committed("gensample-committed");
    ASSERT_EQ(run(std::string(GENSAMPLE_EXE) + " --report > " + fresh.path()), 0);
    ASSERT_EQ(run(std::string(GENSAMPLE_EXE) + " --report " + sample::archivePath() + " > " + committed.path()), 0);
    EXPECT_EQ(sample::readBytes(fresh.path()), sample::readBytes(committed.path()));
}

TEST(SampleArchive, GeneratorRefusesWrongUse) {
    EXPECT_NE(run(std::string(GENSAMPLE_EXE) + " > /dev/null 2>&1"), 0);
    EXPECT_NE(run(std::string(GENSAMPLE_EXE) + " --report a b > /dev/null 2>&1"), 0);
    EXPECT_NE(run(std::string(GENSAMPLE_EXE) + " --report /nonexistent/archive > /dev/null 2>&1"), 0);
}

}  // namespace
