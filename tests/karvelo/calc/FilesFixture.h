// Fixture of the file tests: the core fixture plus a scratch directory and file helpers.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "CoreFixture.h"
#include "ScratchDir.h"
#include "karvelo/calc/Soubory.h"

namespace karvelo::test {

namespace fs = std::filesystem;

class FilesTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        scratch.emplace();
        dir = scratch->path;
    }
    void TearDown() override {
        scratch.reset();
        CoreTest::TearDown();
    }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    static void Spit(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    // Lines joined with CR LF, the last one ended too.
    static std::string Join(const std::vector<std::string>& lines) {
        std::string s;
        for (const std::string& l : lines) s += l + "\r\n";
        return s;
    }
    // The data file of G as bytes.
    static std::string DataFileBytes() { return Join(ComposeDataFile()); }

    // Reads the file at `path` into `g`.
    static void ReadInto(const std::string& path, GlobalData& g) {
        rt::TextFile in;
        in.Assign(path);
        in.Reset();
        ReadDataFile(in, g);
    }
    // Writes `bytes` as a file and reads it into a copy of G, which it returns.
    GlobalData ReadBytes(const std::string& bytes) {
        Spit(Path("in.PEV"), bytes);
        GlobalData g = G;
        ReadInto(Path("in.PEV"), g);
        return g;
    }

    std::optional<test_support::ScratchDir> scratch;
    fs::path dir;
};

}  // namespace karvelo::test
