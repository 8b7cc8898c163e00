// A folder of one test's own for the files it writes: made under the system's temporary folder
// with a name no other process or test can have (mkdtemp), and removed with everything in it
// when the test ends, also where the test made parts of it read-only.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace test_support {

// "Suite.Test" of the running test, or "scratch" outside one.
inline std::string RunningTestName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info ? std::string(info->test_suite_name()) + "." + info->name() : std::string("scratch");
}

class ScratchDir {
public:
    explicit ScratchDir(std::string label = RunningTestName()) {
        for (char& c : label)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
        std::string templ = (std::filesystem::temp_directory_path() / ("gear-" + label + "-XXXXXX")).string();
        std::vector<char> name(templ.begin(), templ.end());
        name.push_back('\0');
        if (!::mkdtemp(name.data())) throw std::runtime_error("cannot make a scratch folder from " + templ);
        path = name.data();
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ec);
        for (auto it = std::filesystem::recursive_directory_iterator(path, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            if (std::error_code e; it->symlink_status(e).type() == std::filesystem::file_type::directory)
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, e);
        std::filesystem::remove_all(path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return path / name; }
    // The path of a file in the folder, as text.
    std::string File(const std::string& name) const { return (path / name).string(); }

    // Every entry under the folder by its name: a file with its contents, a symbolic link with
    // what it names.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> all;
        for (const std::filesystem::directory_entry& e : std::filesystem::recursive_directory_iterator(path)) {
            std::string& entry = all[e.path().lexically_relative(path).string()];
            if (e.is_symlink()) {
                entry = "-> " + std::filesystem::read_symlink(e.path()).string();
            } else if (e.is_regular_file()) {
                std::ifstream in(e.path(), std::ios::binary);
                entry.assign(std::istreambuf_iterator<char>(in), {});
            }
        }
        return all;
    }

    std::filesystem::path path;
};

}  // namespace test_support
