// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/disk.h"
#include "core/destination_rule.h"
#include "core/entry_list.h"
#include "core/merge_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace ordanex {
namespace {

using Entries = std::vector<std::string>;
using enum PathStyle;
namespace fs = std::filesystem;

// The proposal never names the input: a name without an extension gets one.
TEST(DestinationRule, ReplacesOnlyTheFileNamesExtension)
{
    const struct {
        PathStyle style;
        const char* path;
        const char* destination;
    } cases[] = {
        {Unix, "/u/report.PDF", "/u/report_Out.pdf"},
        {Unix, "a.b.pdf", "a.b_Out.pdf"},
        {Unix, "/u/report.", "/u/report_Out.pdf"},
        {Unix, "/u/old.docs/report", "/u/old.docs/report_Out.pdf"},
        {Unix, "/u/old.d\\report", "/u/old_Out.pdf"},
        {Windows, "C:\\old.docs\\report", "C:\\old.docs\\report_Out.pdf"},
        {Windows, "C:/old.docs/report", "C:/old.docs/report_Out.pdf"},
        {Windows, "C:\\old.docs/a.tiff", "C:\\old.docs/a_Out.pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DestinationRule::apply(c.path, c.style), c.destination) << c.path;
}

// A folder of the test's own, removed with it: tests run side by side.
struct Folder {
    fs::path path;
    Folder()
    {
        std::random_device random;
        do
            path = fs::temp_directory_path() / ("ordanex-test-" + std::to_string(random()));
        while (!fs::create_directory(path));
    }
    ~Folder() { fs::remove_all(path); }
    // UTF-8 on every system, as the program's paths are.
    std::string operator/(const char* name) const
    {
        return path.string() + (kNativePathStyle == Windows ? "\\" : "/") + name;
    }
};

// A value put into a text, set apart to read left to right.
std::string lr(const std::string& value)
{
    return "\u2066" + value + "\u2069";
}

// Records what the merge job asks of the system; the files are real, the
// texts are their sources, with the count in its place.
struct Merge : ToolStarter, MessageDisplay, Translator, MergeListener {
    LocalDisk disk;
    MergeFiles files{disk};
    std::vector<CommandLine> starts;
    EndHandler ended; // of the last start
    Entries shown, told, asked;
    bool replace = true; // the answer to a question
    // As Windows would hand "Ł" to pdftk in a code page that lacks it.
    bool passesUnchanged(std::string_view piece) const override
    {
        return piece.find("\u0141") == std::string_view::npos;
    }
    StartResult start(const CommandLine& command, EndHandler end) override
    {
        starts.push_back(command);
        ended = std::move(end);
        return {true, {}};
    }
    std::string translate(const char*, const char* source, const char*, int n) const override
    {
        std::string text = source;
        if (const auto count = text.find("%n"); count != std::string::npos)
            text.replace(count, 2, std::to_string(n));
        return text;
    }
    void showMessage(const std::string& text) override { shown.push_back(text); }
    bool askToReplace(const std::string& question) override
    {
        asked.push_back(question);
        return replace;
    }
    void mergeStarted() override {}
    void mergeEnded(const MergeReport& report) override { told.push_back(report.text); }
    MergeOutcome run(const Entries& entries, const std::string& destination,
                     const std::string& appDir = "/opt", PathStyle style = kNativePathStyle)
    {
        MemoryEntryList list;
        list.addAll(entries);
        return MergeCommand(*this, *this, *this, *this, files, style)
            .run(appDir, list, destination);
    }
};

// Windows takes the one string; elsewhere each piece is an argument of its own.
TEST(MergeCommand, StartsTheToolWithEveryPieceVerbatim)
{
    Merge windows, unix;
    windows.run({"C:\\b.pdf", "D:\\a.pdf"}, "C:\\o.pdf", "C:\\My Apps", Windows);
    windows.run({"a.pdf"}, "\\\\srv\\s\\o.pdf", "C:\\", Windows);
    unix.run({"/d/my file.pdf", R"(/x" output "/r.pdf)", "/d/my file.pdf"}, "/o.pdf", "/my apps",
             Unix);
    unix.run({"/a.pdf"}, "/x=y.pdf", "/opt", Unix);
    ASSERT_EQ(windows.starts.size() + unix.starts.size(), 4u);
    EXPECT_EQ(windows.starts[0].text,
              R"("C:\My Apps\pdftk.exe" "C:\b.pdf" "D:\a.pdf" output "C:\o.pdf")");
    EXPECT_EQ(windows.starts[1].text, R"("C:\\pdftk.exe" "a.pdf" output "\\srv\s\o.pdf")");
    EXPECT_EQ(unix.starts[0].arguments,
              (Entries{"/my apps/pdftk", "/d/my file.pdf", R"(/x" output "/r.pdf)",
                       "/d/my file.pdf", "output", "/o.pdf"}));
    EXPECT_EQ(unix.starts[1].arguments, (Entries{"/opt/pdftk", "/a.pdf", "output", "/x=y.pdf"}));
}

// Nothing starts with an "=" in an input, with a destination that is not a
// full path of a file or that is an input, with a name that the tool would
// not read as it is, or while a running merge writes a file this one would
// read, or reads or writes its destination: under any spelling of the
// file, also before it exists.
TEST(MergeCommand, TellsWhyNothingRuns)
{
    const Folder dir;
    const std::string dotA = dir / "./a.pdf", dotNew = dir / "./new.pdf";
    std::ofstream(dir / "a.pdf") << "a";
    fs::create_directory(dir / "sub");
    const bool windows = kNativePathStyle == Windows;
    const auto box = [](const char* before, const std::string& file, const char* after) {
        return Entries{before + lr(file) + after};
    };
    const Entries equals{"Only ASCI Characters in Inputfilenames allowed! ('=' is not valid)"};
    const Entries same{"The destination is one of the files to merge. Choose another destination."};
    const auto notFull = [&](const std::string& file) {
        return box("The destination \"", file,
                   "\" is not a full path. Type the whole path of the file to make, with all its "
                   "folders.");
    };
    const auto folder = [&](const std::string& file) {
        return box("The destination \"", file,
                   "\" is a folder. Type the whole path of a file in it, with the file's name at "
                   "the end.");
    };
    const auto busy = [&](const std::string& file) {
        return box("A merge is still working on \"", file, "\". Merge again once it has ended.");
    };
    const std::string device = windows ? "\\\\.\\NUL" : "/dev/null";
    // Few may link a folder on Windows, where "/" is another spelling.
    const std::string linked = windows ? dir.path.string() + "/new.pdf" : dir / "linked/new.pdf";
    using enum MergeOutcome;
    const struct {
        Entries entries;
        std::string destination;
        Entries shown;
        MergeOutcome outcome = Rejected;
        PathStyle style = kNativePathStyle;
    } cases[] = {
        {{"/a=.pdf", "/b.pdf"}, "/o.pdf", equals},
        {{"/a.pdf", "/b.pdf", "=c.pdf"}, "/o.pdf", equals},
        {{"/a.pdf", "/b=.pdf"}, "/a.pdf", equals},
        {{dir / "x.pdf", dir / "a.pdf"}, dotA, same},
        {{}, "/o.pdf", {}, Nothing},
        // pdftk's own word for its output, and paths from wherever this
        // program was started.
        {{dir / "x.pdf"},
         "",
         {"The destination is empty. Type the whole path of the file to make, with all its "
          "folders."}},
        {{dir / "x.pdf"}, "-", notFull("-")},
        {{dir / "x.pdf"}, "d/out.pdf", notFull("d/out.pdf")},
        {{"C:\\x.pdf"}, "C:o.pdf", notFull("C:o.pdf"), Rejected, Windows},
        {{"C:\\x.pdf"}, "\\o.pdf", notFull("\\o.pdf"), Rejected, Windows},
        // Nothing could be replaced there.
        {{dir / "x.pdf"}, dir.path.string(), folder(dir.path.string())},
        {{dir / "x.pdf"}, dir / "new/", folder(dir / "new/")},
        {{"C:\\x.pdf"}, "C:\\d\\..", folder("C:\\d\\.."), Rejected, Windows},
        {{dir / "x.pdf"},
         device,
         box("The destination \"", device,
             "\" is not a file but a device, a pipe or a socket. Choose another destination.")},
        {{dir / "a.pdf", dir / "\u0141\u00f3d\u017a.pdf"},
         dir / "o.pdf",
         box("pdftk on Windows cannot read the name \"", dir / "\u0141\u00f3d\u017a.pdf",
             "\": some of its characters are not in this system's code page. Rename the file or "
             "its folder, or copy it under a plain name.")},
        {{dir / "a.pdf"},
         dir / "\u0141ukasz_Out.pdf",
         box("pdftk on Windows cannot write to \"", dir / "\u0141ukasz_Out.pdf",
             "\": some of its characters are not in this system's code page. Choose a "
             "destination with a plain name.")},
        {{dir / "c.pdf"}, dir / "o.pdf", busy(dir / "o.pdf")},
        {{dir / "o.pdf"}, dir / "p.pdf", busy(dir / "o.pdf")},
        {{dir / "c.pdf"}, dotA, busy(dotA)},
        {{dir / "c.pdf"}, dir / "b.pdf", busy(dir / "b.pdf")},
        // What the running merge writes, which appeared after it started,
        // under another name.
        {{dir / "c.pdf", dir / "link.pdf"}, dir / "p.pdf", busy(dir / "link.pdf")},
        // What another writes, and what it reads, that are not there yet.
        {{dir / "c.pdf"}, dir / "sub/../new.pdf", busy(dir / "sub/../new.pdf")},
        {{dotNew}, dir / "p.pdf", busy(dotNew)},
        {{dir / "c.pdf"}, dir / "./gone.pdf", busy(dir / "./gone.pdf")},
        {{dir / "c.pdf"}, linked, busy(linked)},
        {{dir / "a.pdf"}, dir / "p.pdf", {}, Started},
        // One name, by the file system's rule.
        {{dir / "c.pdf"},
         dir / "NEW.PDF",
         windows ? busy(dir / "NEW.PDF") : Entries{},
         windows ? Rejected : Started},
    };
    Merge merge;
    merge.run({dir / "a.pdf", dir / "b.pdf"}, dir / "o.pdf");
    const auto running = std::move(merge.ended);
    merge.run({dir / "a.pdf", dir / "gone.pdf"}, dir / "new.pdf");
    std::ofstream(dir / "o.pdf") << "o";
    fs::create_hard_link(dir / "o.pdf", dir / "link.pdf");
    if (!windows)
        fs::create_directory_symlink(dir.path, dir / "linked");
    for (const auto& c : cases) {
        merge.shown.clear();
        EXPECT_EQ(merge.run(c.entries, c.destination, "/opt", c.style), c.outcome) << c.destination;
        EXPECT_EQ(merge.shown, c.shown);
    }
    EXPECT_EQ(merge.starts.size(), windows ? 3u : 4u);
    // Once it has ended, its files are free.
    running({});
    EXPECT_EQ(merge.run({dir / "c.pdf"}, dir / "o.pdf"), Started);
}

// A file at the destination is replaced unasked only where a merge of this
// window made it, the merge worked, and the file has not changed since. The
// destination is looked at as the tool starts, and again once it has ended:
// a success is a new or changed file.
TEST(MergeCommand, AsksBeforeReplacingAFileItDidNotMake)
{
    const Folder dir;
    const std::string out = dir / "asked.pdf";
    std::ofstream(out) << "theirs";
    const std::string question = "There is already a file at \"" + lr(out) +
                                 "\". Replace it with this merge? The file there now cannot be "
                                 "brought back.";
    Merge merge;
    merge.replace = false;
    EXPECT_EQ(merge.run({"/a.pdf"}, out), MergeOutcome::Rejected);
    merge.replace = true;
    const std::pair<const char*, int> merges[] = {
        {"ours", 0}, {"ours again", 0}, {"", 0}, {"broken", 1}, {"ours at last", 0}};
    for (const auto& [made, status] : merges) {
        EXPECT_EQ(merge.run({"/a.pdf"}, out), MergeOutcome::Started);
        if (*made)
            std::ofstream(out) << made;
        ToolEnd end;
        end.status = status;
        merge.ended(end);
    }
    std::ofstream(out, std::ios::app) << " and changed";
    merge.run({"/a.pdf"}, out);
    // Asked at first, not for its own file, nor after a merge that made
    // none, but after one that failed, and once the file has changed.
    EXPECT_EQ(merge.asked, Entries(4, question));
    EXPECT_EQ(merge.starts.size(), 6u);
    const std::string merged = "Merged 1 file(s) into " + lr("asked.pdf") + ".";
    EXPECT_EQ(std::vector(merge.told.begin(), merge.told.begin() + 2), Entries(2, merged));
    EXPECT_TRUE(merge.told[2].ends_with("failed: pdftk reported success, but left no new file "
                                        "there.\n\nThe file at the destination is the one that "
                                        "was there before, unchanged: it is not the result of "
                                        "this merge."));
}

// A file whose number tells nothing, as some file systems give, is never
// taken for one that this window made.
TEST(MergeFiles, KnowsAMadeFileOnlyByANumberThatTells)
{
    const LocalDisk disk;
    constexpr std::uint64_t ones = ~std::uint64_t{0};
    for (const auto& [id, tells] : {std::pair(FileId{7, 0, 0}, false),
                                    {FileId{7, 0, ones}, false},
                                    {FileId{7, ones, ones}, false},
                                    {FileId{7, 0, 9}, true}}) {
        MergeFiles files(disk);
        const FileState made{FileState::File, id, 1, 2};
        files.ended(files.started({}), &made);
        EXPECT_EQ(files.madeHere(made), tells) << id.low;
    }
}

// A failure's message gives the tool's last lines as it wrote them, and says
// what is at the destination; a merge that worked is named for screen
// readers. A path holding a placeholder of its own keeps it.
TEST(MergeReport, TellsWhatHappened)
{
    const FileState none, earlier{FileState::File, {1, 0, 2}, 10, 0},
        other{FileState::File, {1, 0, 2}, 11, 0};
    const std::string failed =
        "The merge into \"" + lr("/d/My%20Report%2.pdf") + "\" failed: pdftk ";
    const struct {
        ToolEnd end;
        FileState before, after;
        int files;
        std::string text;
        PathStyle style = Unix;
    } cases[] = {
        {{}, earlier, other, 3, "Merged 3 file(s) into " + lr("My%20Report%2.pdf") + "."},
        {{0, 9, "Killed", "1\n2\n3\n4\n5\n6\n7\n8\r\n  9\r\n10\n\n \n", ""},
         none,
         none,
         2,
         failed + "was ended by signal " + lr("9") + " (" + lr("Killed") + ").\n\npdftk said:\n" +
             lr("3") + "\n" + lr("4") + "\n" + lr("5") + "\n" + lr("6") + "\n" + lr("7") + "\n" +
             lr("8") + "\n" + lr("  9") + "\n" + lr("10") +
             "\n\nNo file was made at the destination."},
        {{2, 0, "", "", ""},
         earlier,
         other,
         2,
         failed + "ended with status " + lr("2") +
             ".\n\nThe file at the destination may be incomplete."},
        // Windows' own statuses, as Windows writes them.
        {{-1073741515, 0, "", "", "The DLL was not found."},
         earlier,
         earlier,
         1,
         failed + "ended with status " + lr("0xC0000135") + " (" + lr("The DLL was not found.") +
             ").\n\nThe file at the destination is the one that was there before, unchanged: it "
             "is not the result of this merge.",
         Windows},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            reportMerge(Merge(), "/d/My%20Report%2.pdf", c.files, c.end, c.before, c.after, c.style)
                .text,
            c.text);
    }
}

} // namespace
} // namespace ordanex
