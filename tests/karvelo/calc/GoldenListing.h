// The listings as their lines, and the golden files they are compared with.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "karvelo/ProgramState.h"
#include "runtime/Cp1250.h"

namespace karvelo::test {

// The lines of a listing's bytes (CP1250, each line ended with CR LF) in UTF-8.
inline std::vector<std::string> ListingLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "line without CR LF at the end of the file";
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(rt::Cp1250ToUtf8(bytes.substr(start, end - start)));
        start = end + 2;
    }
    return lines;
}

// `actual` line by line against the golden file `name` (UTF-8, LF line ends) beside the core's
// tests.  With KARVELO_WRITE_GOLDEN set the golden file is written from `actual` (to review by hand).
inline void ExpectGolden(const std::vector<std::string>& actual, const std::string& name) {
    const std::string path = SourcePath("tests/karvelo/calc/golden/" + name);
    if (std::getenv("KARVELO_WRITE_GOLDEN")) {
        std::ofstream out(path);
        for (const std::string& line : actual) out << line << '\n';
    }
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) expected.push_back(line);
    for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i)
        EXPECT_EQ(i < actual.size() ? actual[i] : "<missing>", i < expected.size() ? expected[i] : "<extra>")
            << name << " line " << i + 1;
}

}  // namespace karvelo::test
