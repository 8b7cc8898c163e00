// Line-oriented 8-bit text files, as the original's text-file variables.
//
// Writing goes to a temporary file beside the target; Close() renames it over the
// target only when every line was written and the file closed without error, so a
// failed save leaves the previous file byte-identical.  Lines end with CR LF.
// Reading takes lines ended by CR LF or LF (a trailing CR is stripped).
// Every failure raises FileError; reading past the end of the file is a failure.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace rt {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TextFile {
public:
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    void Assign(const std::string& name);
    const std::string& Name() const { return name_; }

    void Rewrite();  // open for writing
    void Reset();    // open for reading
    void Close();    // writer: commit (rename over the target); reader: release
    void Abandon();  // writer: drop what was written, the target stays untouched
    bool IsOpen() const { return mode_ != Mode::Closed; }
    bool IsWriting() const { return mode_ == Mode::Writing; }

    void Write(const std::string& s);
    void WriteLn(const std::string& s = std::string());

    bool Eof() const;
    std::string ReadLn();
    // The next line holds exactly n numbers separated by blanks (leading and trailing
    // blanks allowed); anything else is a FileError naming the line.
    std::vector<double> ReadNumbers(int n);
    double ReadNumber() { return ReadNumbers(1)[0]; }
    // The next line holds one whole number.
    long long ReadInteger();
    // 1-based number of the line last read.
    int LineNumber() const { return static_cast<int>(pos_); }

    // Test hook: every writer fails (FileError) on the Write/WriteLn or the Close (its
    // final flush) after `count` successful ones; a negative count switches it off.
    static void FailWritesAfter(int count);

private:
    enum class Mode { Closed, Writing, Reading };
    void requireMode(Mode m) const;
    void put(const std::string& s);

    std::string name_;
    Mode mode_ = Mode::Closed;
    std::FILE* out_ = nullptr;
    std::string tempName_;
    std::vector<std::string> lines_;
    size_t pos_ = 0;
};

}  // namespace rt
