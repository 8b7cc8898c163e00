#include "runtime/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/FileNames.h"
#include "runtime/NumText.h"

namespace rt {
namespace {
int g_failAfter = -1;  // test hook: remaining successful writes, -1 = off

std::string errnoText(const std::string& what, const std::string& name) {
    return what + " " + name + ": " + std::strerror(errno);
}

mode_t newFileMode(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The test hook: false when this step is to fail.
bool stepSucceeds() {
    if (g_failAfter == 0) {
        errno = EIO;
        return false;
    }
    if (g_failAfter > 0) --g_failAfter;
    return true;
}

// True when `target` exists and the user may not write it (errno says why): writing it in place
// would be refused, and the rename of a temporary over it would undo its protection.  The
// effective ids decide, as when the file is opened for writing; root may write it.
bool mayNotBeWritten(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return false;  // a new file: its folder decides
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0;
}

// Makes renames in `folder` ("" for the working folder) durable, where the file system allows it.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
}  // namespace

std::string FollowLinks(const std::string& name) {
    std::string path = name;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::vector<char> buf(std::max<std::size_t>(st.st_size, 255) + 1);
        const ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size());
        if (n < 0 || std::size_t(n) >= buf.size()) throw FileError(errnoText("Cannot follow the link", name));
        const std::string link(buf.data(), std::size_t(n));
        path = link.starts_with('/') ? link : ExtractFilePath(path) + link;
    }
    errno = ELOOP;
    throw FileError(errnoText("Cannot follow the link", name));
}

void TextFile::FailWritesAfter(int count) { g_failAfter = count; }

TextFile::~TextFile() {
    if (mode_ == Mode::Writing) Abandon();
}

void TextFile::Assign(const std::string& name) {
    if (mode_ == Mode::Writing) Abandon();
    mode_ = Mode::Closed;
    lines_.clear();
    pos_ = 0;
    name_ = name;
}

void TextFile::requireMode(Mode m) const {
    if (mode_ != m) throw FileError("File not open for " + std::string(m == Mode::Writing ? "output" : "input"));
}

void TextFile::Rewrite() {
    if (mode_ == Mode::Writing) Abandon();
    mode_ = Mode::Closed;
    if (name_.empty()) throw FileError("No file name assigned");
    target_ = FollowLinks(name_);
    if (mayNotBeWritten(target_)) throw FileError(errnoText("Cannot write", name_));
    std::string templ = ExtractFilePath(target_) + "." + ExtractFileName(target_) + ".XXXXXX";
    std::vector<char> buf(templ.begin(), templ.end());
    buf.push_back('\0');
    int fd = ::mkstemp(buf.data());
    if (fd < 0) throw FileError(errnoText("Cannot create", name_));
    tempName_ = buf.data();
    ::fchmod(fd, newFileMode(target_));
    out_ = ::fdopen(fd, "wb");
    if (!out_) {
        ::close(fd);
        ::unlink(tempName_.c_str());
        throw FileError(errnoText("Cannot open", name_));
    }
    mode_ = Mode::Writing;
}

void TextFile::put(const std::string& s) {
    requireMode(Mode::Writing);
    if (!stepSucceeds()) throw FileError("Write error on " + name_);
    if (!s.empty() && std::fwrite(s.data(), 1, s.size(), out_) != s.size())
        throw FileError(errnoText("Write error on", name_));
}

void TextFile::Write(const std::string& s) { put(s); }
void TextFile::WriteLn(const std::string& s) { put(s + "\r\n"); }

void TextFile::Abandon() {
    if (mode_ != Mode::Writing) return;
    if (out_) std::fclose(out_);
    out_ = nullptr;
    ::unlink(tempName_.c_str());
    tempName_.clear();
    mode_ = Mode::Closed;
}

void TextFile::Close() {
    if (mode_ == Mode::Reading) {
        lines_.clear();
        pos_ = 0;
        mode_ = Mode::Closed;
        return;
    }
    if (mode_ != Mode::Writing) return;
    FileGroup file;
    file.Add(*this);
    file.Commit();
}

std::string TextFile::finishTemporary() {
    requireMode(Mode::Writing);
    std::string error;
    if (!stepSucceeds() || std::fflush(out_) != 0 || ::fsync(::fileno(out_)) != 0)
        error = errnoText("Cannot write", name_);
    if (std::fclose(out_) != 0 && error.empty()) error = errnoText("Cannot write", name_);
    out_ = nullptr;
    std::string temp = std::move(tempName_);
    tempName_.clear();
    mode_ = Mode::Closed;
    if (!error.empty()) {
        ::unlink(temp.c_str());
        throw FileError(error);
    }
    return temp;
}

void FileGroup::Add(TextFile& writer) {
    std::string temp = writer.finishTemporary();
    entries_.push_back({writer.name_, writer.target_, std::move(temp), {}, true});
}

void FileGroup::Commit() {
    replaced_.clear();
    // A second link to each file about to be replaced keeps it, to be put back should a later
    // rename fail.
    for (Entry& e : entries_) {
        const std::string backup = e.temp + ".old";
        if (::link(e.target.c_str(), backup.c_str()) == 0)
            e.backup = backup;
        else
            e.existed = errno != ENOENT;
    }
    std::size_t done = 0;
    for (; done < entries_.size(); ++done) {
        Entry& e = entries_[done];
        if (!stepSucceeds() || ::rename(e.temp.c_str(), e.target.c_str()) != 0) break;
        e.temp.clear();
    }
    if (done < entries_.size()) {
        const std::string msg = errnoText("Cannot write", entries_[done].name);
        restore(done);
        Abandon();
        throw FileError(msg);
    }
    std::vector<std::string> folders;
    for (const Entry& e : entries_)
        if (std::find(folders.begin(), folders.end(), ExtractFilePath(e.target)) == folders.end())
            folders.push_back(ExtractFilePath(e.target));
    for (const std::string& folder : folders) syncFolder(folder);
    Abandon();  // the links kept of the replaced files
}

// Puts back the earlier files of the first `committed` entries, the last first; those that
// cannot be put back are the replaced ones.
void FileGroup::restore(std::size_t committed) {
    for (std::size_t i = committed; i-- > 0;) {
        Entry& e = entries_[i];
        bool back = false;
        if (!e.backup.empty()) {
            back = stepSucceeds() && ::rename(e.backup.c_str(), e.target.c_str()) == 0;
            if (back) e.backup.clear();
        } else if (!e.existed) {
            back = stepSucceeds() && ::unlink(e.target.c_str()) == 0;
        }
        if (!back) replaced_.insert(replaced_.begin(), e.name);
    }
}

void FileGroup::Abandon() {
    for (const Entry& e : entries_) {
        if (!e.temp.empty()) ::unlink(e.temp.c_str());
        if (!e.backup.empty()) ::unlink(e.backup.c_str());
    }
    entries_.clear();
}

void TextFile::Reset() {
    if (mode_ == Mode::Writing) Abandon();
    mode_ = Mode::Closed;
    lines_.clear();
    pos_ = 0;
    struct stat st {};
    if (::stat(name_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) throw FileError("Not a file: " + name_);
    std::ifstream in(name_, std::ios::binary);
    if (!in) throw FileError(errnoText("Cannot open", name_));
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) throw FileError(errnoText("Read error on", name_));
    std::string all = ss.str();
    size_t start = 0;
    while (start < all.size()) {
        size_t nl = all.find('\n', start);
        size_t end = nl == std::string::npos ? all.size() : nl;
        std::string line = all.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(std::move(line));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    mode_ = Mode::Reading;
}

bool TextFile::Eof() const { return mode_ != Mode::Reading || pos_ >= lines_.size(); }

std::string TextFile::ReadLn() {
    requireMode(Mode::Reading);
    if (pos_ >= lines_.size()) throw FileError("Unexpected end of file " + name_);
    return lines_[pos_++];
}

std::vector<double> TextFile::ReadNumbers(int n) {
    std::string line = ReadLn();
    std::vector<double> values;
    size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
        double v = 0;
        int code = 0;
        Val(line.substr(i, j - i), v, code);
        if (code != 0) throw FileError("Invalid number in line " + std::to_string(pos_) + " of " + name_);
        values.push_back(v);
        i = j;
    }
    if (static_cast<int>(values.size()) != n)
        throw FileError("Line " + std::to_string(pos_) + " of " + name_ + " holds " + std::to_string(values.size()) +
                        " numbers instead of " + std::to_string(n));
    return values;
}

long long TextFile::ReadInteger() {
    std::string line = ReadLn();
    size_t e = line.find_last_not_of(" \t");
    line = e == std::string::npos ? std::string() : line.substr(0, e + 1);
    long long v = 0;
    int code = 0;
    Val(line, v, code);
    if (code != 0) throw FileError("Invalid whole number in line " + std::to_string(pos_) + " of " + name_);
    return v;
}

}  // namespace rt
