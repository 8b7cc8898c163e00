// Line-oriented 8-bit text files, as the original's text-file variables.
//
// Writing goes to a temporary file beside the target; Close() renames it over the
// target only when every line was written and the file closed without error, so a
// failed save leaves the previous file byte-identical.  A target that is a symbolic
// link is followed: the file it points to is replaced (a dangling link: the file it
// names is created) and the link stays.  A target the user may not write (a read-only
// file) is refused by Rewrite before anything is written, as writing it in place would be;
// a new file is created where its folder allows it.  Files written together are committed
// together through a FileGroup.  Lines end with CR LF.
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

    // Test hook: every writer fails (FileError) on the Write/WriteLn, the Close (its
    // final flush) or the rename that puts a file in place after `count` successful ones,
    // and on every one after it; a negative count switches it off.
    static void FailWritesAfter(int count);

private:
    friend class FileGroup;
    enum class Mode { Closed, Writing, Reading };
    void requireMode(Mode m) const;
    void put(const std::string& s);
    // Writer: flushes, syncs and closes the temporary, whose name it returns (the writer is
    // then closed); on failure drops it and raises FileError.
    std::string finishTemporary();

    std::string name_;
    std::string target_;  // the file the writer replaces: name_ with its symbolic links followed
    Mode mode_ = Mode::Closed;
    std::FILE* out_ = nullptr;
    std::string tempName_;
    std::vector<std::string> lines_;
    size_t pos_ = 0;
};

// The file a name stands for: its symbolic links followed (a relative link from the link's
// folder), also when the last one names a file that does not exist yet; the name itself when it
// is no link.  A loop of links, or a link that cannot be read, is a FileError.
std::string FollowLinks(const std::string& name);

// Files written together, put in place together.  Each writer, once every line is
// written, hands its complete temporary to the group (Add); Commit then renames the
// temporaries over their targets in the order added.  A failure while writing therefore
// leaves every earlier file as it was.  Renames of several files cannot be one atomic
// step: a rename that fails puts the files already replaced back (from hard links kept
// of them) and raises FileError; only when that fails as well are some files left
// replaced, and Replaced() names them.  A group dropped uncommitted deletes its
// temporaries.
class FileGroup {
public:
    FileGroup() = default;
    FileGroup(const FileGroup&) = delete;
    FileGroup& operator=(const FileGroup&) = delete;
    ~FileGroup() { Abandon(); }

    // Closes the writer (flushed and synced) and keeps its temporary for the commit;
    // raises FileError when the close fails (the writer's temporary is then gone).
    void Add(TextFile& writer);
    void Commit();
    void Abandon();  // deletes the temporaries not committed
    // The names (as assigned) of the files a failed Commit left with their new contents.
    const std::vector<std::string>& Replaced() const { return replaced_; }

private:
    struct Entry {
        std::string name, target, temp, backup;
        bool existed;  // the target was there before the commit
    };
    void restore(size_t committed);
    std::vector<Entry> entries_;
    std::vector<std::string> replaced_;
};

}  // namespace rt
