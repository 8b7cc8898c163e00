// The committed corpus through the fuzz targets' checks: files the programs wrote and one file
// per fault the fuzzing found (named after it), each of which must now hold.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzChecks.h"

namespace {

namespace fs = std::filesystem;

using Check = std::string (*)(const std::uint8_t*, std::size_t);

// The files of one corpus folder, in name order.
std::vector<fs::path> Corpus(const char* folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(GEAR_FUZZ_CORPUS) / folder)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

void Replay(const char* folder, Check check) {
    const std::vector<fs::path> files = Corpus(folder);
    EXPECT_FALSE(files.empty()) << folder;
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "")
            << file.filename().string();
    }
}

TEST(CorpusReplay, KarveloDataFiles) { Replay("karvelo_reader", fuzz::CheckKarveloReader); }
TEST(CorpusReplay, OstrimoDataFiles) { Replay("ostrimo_reader", fuzz::CheckOstrimoReader); }
TEST(CorpusReplay, KarveloCalculations) { Replay("karvelo_calculation", fuzz::CheckKarveloCalculation); }
TEST(CorpusReplay, OstrimoCalculations) { Replay("ostrimo_calculation", fuzz::CheckOstrimoCalculation); }

}  // namespace
