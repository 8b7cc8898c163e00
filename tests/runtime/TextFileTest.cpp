#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include "runtime/Cp1250.h"
#include "runtime/Notice.h"
#include "runtime/TextFile.h"
#include "ScratchDir.h"

namespace fs = std::filesystem;

namespace {
using TempDir = test_support::ScratchDir;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void spit(const fs::path& p, const std::string& s) {
    std::ofstream out(p, std::ios::binary);
    out << s;
}

size_t entries(const fs::path& dir) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}
}  // namespace

TEST(TextFile, WritesCrLfLinesAndReadsBothLineEnds) {
    TempDir dir;
    rt::TextFile f;
    f.Assign((dir.path / "a.txt").string());
    f.Rewrite();
    f.WriteLn("first");
    f.Write("sec");
    f.WriteLn("ond");
    f.WriteLn();
    f.Close();
    EXPECT_EQ(slurp(dir.path / "a.txt"), "first\r\nsecond\r\n\r\n");
    EXPECT_EQ(entries(dir.path), 1u);  // no temporary left behind

    spit(dir.path / "b.txt", "one\ntwo\r\nthree");
    f.Assign((dir.path / "b.txt").string());
    f.Reset();
    EXPECT_EQ(f.ReadLn(), "one");
    EXPECT_EQ(f.ReadLn(), "two");
    EXPECT_FALSE(f.Eof());
    EXPECT_EQ(f.ReadLn(), "three");
    EXPECT_TRUE(f.Eof());
    EXPECT_THROW(f.ReadLn(), rt::FileError);  // reading past the end is a failure
    f.Close();
}

TEST(TextFile, NumberLinesMustHoldExactlyTheirCount) {
    TempDir dir;
    spit(dir.path / "n.txt", " 2.00000000000000E+0001 -7.50000000000000E+0000  \r\n1 2\r\n3\r\nabc\r\n 42 \r\n");
    rt::TextFile f;
    f.Assign((dir.path / "n.txt").string());
    f.Reset();
    auto v = f.ReadNumbers(2);
    EXPECT_EQ(v, (std::vector<double>{20, -7.5}));
    EXPECT_THROW(f.ReadNumbers(3), rt::FileError);  // too few: never a value from the next line
    EXPECT_EQ(f.ReadLn(), "3");                     // the short line was consumed, nothing more
    EXPECT_THROW(f.ReadNumber(), rt::FileError);    // not a number
    EXPECT_EQ(f.ReadInteger(), 42);
    f.Close();

    spit(dir.path / "m.txt", "1 2 3\r\n");
    f.Assign((dir.path / "m.txt").string());
    f.Reset();
    EXPECT_THROW(f.ReadNumbers(2), rt::FileError);  // too many
}

TEST(TextFile, FailedWriteLeavesThePreviousFileByteIdentical) {
    TempDir dir;
    const fs::path target = dir.path / "case.PEV";
    const std::string old = "old contents\r\nline 2\r\n";
    spit(target, old);

    // A failure at every step: each of the three writes, then the close (its final flush).
    rt::TextFile f;
    f.Assign(target.string());
    for (int step = 0; step <= 3; ++step) {
        rt::TextFile::FailWritesAfter(step);
        EXPECT_THROW(
            {
                f.Rewrite();
                for (const char* line : {"new 1", "new 2", "new 3"}) f.WriteLn(line);
                f.Close();
            },
            rt::FileError)
            << step;
        rt::TextFile::FailWritesAfter(-1);
        f.Abandon();
        EXPECT_EQ(slurp(target), old);
        EXPECT_EQ(entries(dir.path), 1u);
    }

    // A writer destroyed without Close() commits nothing either.
    {
        rt::TextFile g;
        g.Assign(target.string());
        g.Rewrite();
        g.WriteLn("half");
    }
    EXPECT_EQ(slurp(target), old);
    EXPECT_EQ(entries(dir.path), 1u);
}

TEST(TextFile, UnwritableDirectoryIsReportedAndNothingChanges) {
    rt::TextFile f;
    if (::geteuid() == 0) {
        // root ignores permission bits; /proc refuses new files to everybody
        f.Assign("/proc/case.PEV");
        EXPECT_THROW(f.Rewrite(), rt::FileError);
        return;
    }
    TempDir dir;
    const fs::path target = dir.path / "case.PEV";
    spit(target, "old\r\n");
    ::chmod(dir.path.c_str(), 0500);
    f.Assign(target.string());
    EXPECT_THROW(f.Rewrite(), rt::FileError);
    ::chmod(dir.path.c_str(), 0700);
    EXPECT_EQ(slurp(target), "old\r\n");
}

TEST(TextFile, FailedCommitIsReportedAndLeavesNoTemporary) {
    TempDir dir;
    const fs::path target = dir.path / "taken";
    fs::create_directory(target);  // a directory cannot be replaced by the new file
    fs::create_directory(target / "inside");
    rt::TextFile f;
    f.Assign(target.string());
    f.Rewrite();
    f.WriteLn("data");
    EXPECT_THROW(f.Close(), rt::FileError);
    EXPECT_FALSE(f.IsOpen());
    EXPECT_EQ(entries(dir.path), 1u);
    EXPECT_TRUE(fs::is_directory(target / "inside"));
}

TEST(TextFile, MissingDirectoryAndMissingFileAreFileErrors) {
    TempDir dir;
    rt::TextFile f;
    f.Assign((dir.path / "no" / "such.PEV").string());
    EXPECT_THROW(f.Rewrite(), rt::FileError);
    EXPECT_THROW(f.Reset(), rt::FileError);
    f.Assign(dir.path.string());  // a directory is not a data file
    EXPECT_THROW(f.Reset(), rt::FileError);
}

TEST(TextFile, KeepsTheModeOfAReplacedFile) {
    TempDir dir;
    const fs::path target = dir.path / "mode.txt";
    spit(target, "x");
    ::chmod(target.c_str(), 0640);
    rt::TextFile f;
    f.Assign(target.string());
    f.Rewrite();
    f.WriteLn("y");
    f.Close();
    struct stat st {};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// A target that is a symbolic link: the file it points to is replaced and the link stays; a
// dangling link gets the file it names; a loop of links is a FileError.
TEST(TextFile, FollowsSymbolicLinks) {
    TempDir dir;
    fs::create_directory(dir.path / "cases");
    spit(dir.path / "cases" / "real.PEV", "old");
    fs::create_symlink("cases/real.PEV", dir.path / "link.PEV");
    fs::create_symlink(dir.path / "cases" / "new.PEV", dir.path / "dangling.PEV");
    fs::create_symlink("loop.PEV", dir.path / "loop.PEV");
    rt::TextFile f;
    for (const char* name : {"link.PEV", "dangling.PEV"}) {
        f.Assign((dir.path / name).string());
        f.Rewrite();
        f.WriteLn(name);
        f.Close();
        EXPECT_TRUE(fs::is_symlink(dir.path / name)) << name;
    }
    EXPECT_EQ(slurp(dir.path / "cases" / "real.PEV"), "link.PEV\r\n");
    EXPECT_EQ(slurp(dir.path / "cases" / "new.PEV"), "dangling.PEV\r\n");
    EXPECT_EQ(entries(dir.path / "cases"), 2u);
    f.Assign((dir.path / "loop.PEV").string());
    EXPECT_THROW(f.Rewrite(), rt::FileError);
    EXPECT_EQ(entries(dir.path), 4u);
}

// A rename that fails (the third target is a folder) puts back the file the group replaced
// and removes the one it created; nothing else stays behind.
TEST(FileGroup, ARenameThatFailsPutsTheEarlierFilesBack) {
    TempDir dir;
    spit(dir.path / "a", "old a");
    fs::create_directories(dir.path / "c" / "inside");
    rt::FileGroup group;
    for (const char* name : {"a", "b", "c"}) {
        rt::TextFile f;
        f.Assign((dir.path / name).string());
        f.Rewrite();
        f.WriteLn("new");
        group.Add(f);
    }
    EXPECT_THROW(group.Commit(), rt::FileError);
    EXPECT_TRUE(group.Replaced().empty());
    EXPECT_EQ(slurp(dir.path / "a"), "old a");
    EXPECT_FALSE(fs::exists(dir.path / "b"));
    EXPECT_EQ(entries(dir.path), 2u);
}

namespace {
// Runs `check` (what it finds wrong, "" when nothing) as a user whom permission bits bind:
// directly, or, as root, in a child that gives up root for uid and gid 65534 in `dir`, handed
// over to it; the child tells its findings on stderr.  Nothing when no such user can be had.
std::optional<std::string> asOrdinaryUser(const fs::path& dir, const std::function<std::string()>& check) {
    if (::geteuid() != 0) return check();
    constexpr int kNoUser = 77;
    const pid_t child = ::chown(dir.c_str(), 65534, 65534) == 0 ? ::fork() : -1;
    if (child == 0) {  // no assertions here, and no way back into the test runner
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0 ||
            ::access(dir.c_str(), W_OK | X_OK) != 0)
            ::_exit(kNoUser);
        const std::string found = [&]() noexcept { return check(); }();
        if (!found.empty()) std::fprintf(stderr, "%s\n", found.c_str());
        ::_exit(found.empty() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || (WIFEXITED(status) && WEXITSTATUS(status) == kNoUser))
        return std::nullopt;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : "as uid 65534: see the line above";
}
}  // namespace

// A save never replaces a file the user may not write: the group is refused before any target
// changes, with no temporary left, whether the file is named directly, through a link or among
// others; a new file and a folder the user may not write keep their ways.
TEST(FileGroup, RefusesAFileTheUserMayNotWrite) {
    struct Row {
        const char* what;
        std::vector<const char*> names;  // saved together, in this order
        const char* refusal;             // the start of the FileError's text; nullptr: saved
    } const rows[] = {
        {"read-only file", {"ro.PEV"}, "Cannot write "},
        {"through a link", {"link.PEV"}, "Cannot write "},
        {"one of three", {"a.VST", "b.PEV", "c.VYS"}, "Cannot write "},
        {"folder not writable", {"shut/x.PEV"}, "Cannot create "},
        {"new file", {"new.PEV"}, nullptr},
    };
    TempDir dir;
    const std::optional<std::string> found = asOrdinaryUser(dir.path, [&] {
        const auto file = [&](const std::string& name, mode_t mode) {
            spit(dir.path / name, "old " + name);
            ::chmod((dir.path / name).c_str(), mode);
        };
        fs::create_directories(dir.path / "cases");
        fs::create_directories(dir.path / "shut");
        file("ro.PEV", 0444);
        file("cases/real.PEV", 0444);
        fs::create_symlink("cases/real.PEV", dir.path / "link.PEV");
        file("a.VST", 0644);
        file("b.PEV", 0444);
        file("shut/x.PEV", 0644);
        ::chmod((dir.path / "shut").c_str(), 0555);
        std::string wrong;
        for (const Row& row : rows) {
            const auto before = dir.Snapshot();
            std::string error;
            try {
                rt::FileGroup group;
                for (const char* name : row.names) {
                    rt::TextFile f;
                    f.Assign((dir.path / name).string());
                    f.Rewrite();
                    f.WriteLn("new");
                    group.Add(f);
                }
                group.Commit();
            } catch (const rt::FileError& e) {
                error = e.what();
            }
            bool ok = row.refusal ? error.starts_with(row.refusal) && dir.Snapshot() == before : error.empty();
            for (const char* name : row.names) ok = ok && (row.refusal || slurp(dir.path / name) == "new\r\n");
            if (!ok) wrong += std::string(row.what) + ": \"" + error + "\"; ";
        }
        return wrong;
    });
    if (!found)
        GTEST_SKIP() << "No ordinary user can be had here (uid 65534 refused, or the temporary folder "
                        "closed to it): permission bits bind no one, the refusal is not tried.";
    EXPECT_EQ(*found, "");
}

TEST(Cp1250, RoundTripsCentralEuropeanTextAndReplacesTheRest) {
    const std::string bytes = "\x8A\x9A\xC8\xE8\xD8\xF8 14 220 \xB0";  // Š š Č č Ř ř ... °
    const std::string utf8 = rt::Cp1250ToUtf8(bytes);
    EXPECT_EQ(utf8, "ŠšČčŘř 14 220 °");
    EXPECT_EQ(rt::Utf8ToCp1250(utf8), bytes);
    EXPECT_EQ(rt::Utf8ToCp1250("σ"), "?");       // outside the code page
    EXPECT_EQ(rt::Utf8ToCp1250("a\xC3"), "a?");  // malformed tail
    EXPECT_EQ(rt::Cp1250ToUtf8("\x81"), "\xEF\xBF\xBD");
    EXPECT_EQ(rt::FirstOutsideCp1250("čí° σ €"), "σ");
    EXPECT_EQ(rt::FirstOutsideCp1250("čí°€ ?"), "");
}

// Held notices reach the sink in use before them when shown, and none when taken.
TEST(Notice, HeldNoticesWaitForTheirShowing) {
    rt::NoticeRecorder rec;
    rt::NoticeSink* old = rt::SetNoticeSink(&rec);
    {
        rt::HeldNotices held;
        rt::ShowMessage("held");
        EXPECT_TRUE(rec.notices.empty());
        held.Show();
    }
    {
        rt::HeldNotices dropped;
        rt::ShowMessage("dropped");
        EXPECT_EQ(dropped.Take().size(), 1u);
    }
    EXPECT_EQ(rec.Texts(), std::vector<std::string>{"held"});
    rt::SetNoticeSink(old == &rt::DefaultNoticeRecorder() ? nullptr : old);
}

TEST(Notice, DefaultRecorderAnswersWithoutBlocking) {
    rt::NoticeRecorder rec;
    rt::NoticeSink* old = rt::SetNoticeSink(&rec);
    rt::ShowMessage("There are no loading data.");
    EXPECT_EQ(rt::MessageBox("Invalid argument", "  Error !", rt::MB_OK), rt::IDOK);
    rec.answers.push_back(rt::IDNO);
    EXPECT_EQ(rt::MessageBox("Continue?", "Question", rt::MB_YESNO), rt::IDNO);
    EXPECT_EQ(rt::MessageBox("Continue?", "Question", rt::MB_YESNO), rt::IDYES);
    rt::MessageBeep(0xFFFF);
    ASSERT_EQ(rec.notices.size(), 5u);
    EXPECT_EQ(rec.notices[1], (rt::Notice{rt::Notice::Box, "Invalid argument", "  Error !", rt::MB_OK}));
    EXPECT_EQ(rec.notices[4].kind, rt::Notice::Beep);
    EXPECT_EQ(rec.Texts().size(), 4u);
    rt::SetNoticeSink(old == &rt::DefaultNoticeRecorder() ? nullptr : old);
    rt::ShowMessage("to the default");
    EXPECT_EQ(rt::DefaultNoticeRecorder().notices.back().text, "to the default");
}
