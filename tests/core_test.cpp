// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/disk.h"
#include "core/destination_rule.h"
#include "core/entry_list.h"
#include "core/merge_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

// Records what the merge job asks of the system; the files are real, the
// texts are their sources, with the count in its place.
struct Merge : ProgramStarter, MessageDisplay, MergeListener {
    LocalDisk disk;
    MergeFiles files{disk};
    std::vector<CommandLine> starts;
    EndHandler ended; // of the last start
    Entries shown, told, asked;
    bool replace = true; // the answer to a question
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
        return MergeCommand(*this, *this, *this, files, style).run(appDir, list, destination);
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
// full path or that is an input, or while a running merge writes a file
// this one would read, or reads or writes its destination: under any
// spelling of an existing file.
TEST(MergeCommand, TellsWhyNothingRuns)
{
    const fs::path dir = fs::temp_directory_path() / "ordanex core test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const auto in = [&dir](const char* name) { return (dir / name).string(); };
    const std::string dotA = (dir / "." / "a.pdf").string();
    std::ofstream(in("a.pdf")) << "a";
    const Entries equals{"Only ASCI Characters in Inputfilenames allowed! ('=' is not valid)"};
    const Entries same{"The destination is one of the files to merge. Choose another destination."};
    const auto notFull = [](const std::string& file) {
        return Entries{"The destination \"" + file +
                       "\" is not a full path. Type the whole path of the file to make, with all "
                       "its folders."};
    };
    const auto busy = [](const std::string& file) {
        return Entries{"A merge is still working on \"" + file +
                       "\". Merge again once it has ended."};
    };
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
        {{in("x.pdf"), in("a.pdf")}, dotA, same},
        {{}, "/o.pdf", {}, Nothing},
        // pdftk's own words for where to write, and a path from wherever
        // this program was started.
        {{in("x.pdf")}, "-", notFull("-")},
        {{in("x.pdf")}, "PROMPT", notFull("PROMPT")},
        {{in("x.pdf")}, "prompt", notFull("prompt")},
        {{in("x.pdf")}, "out.pdf", notFull("out.pdf")},
        {{"C:\\x.pdf"}, "C:o.pdf", notFull("C:o.pdf"), Rejected, Windows},
        {{"C:\\x.pdf"}, "\\o.pdf", notFull("\\o.pdf"), Rejected, Windows},
        {{in("c.pdf")}, in("o.pdf"), busy(in("o.pdf"))},
        {{in("o.pdf")}, in("p.pdf"), busy(in("o.pdf"))},
        {{in("c.pdf")}, dotA, busy(dotA)},
        {{in("c.pdf")}, in("b.pdf"), busy(in("b.pdf"))},
        // What the running merge writes, which appeared after it started,
        // under another name.
        {{in("c.pdf"), in("link.pdf")}, in("p.pdf"), busy(in("link.pdf"))},
        {{in("a.pdf")}, in("p.pdf"), {}, Started},
    };
    Merge merge;
    merge.run({in("a.pdf"), in("b.pdf")}, in("o.pdf"));
    const auto running = std::move(merge.ended);
    std::ofstream(in("o.pdf")) << "o";
    fs::create_hard_link(in("o.pdf"), in("link.pdf"));
    for (const auto& c : cases) {
        merge.shown.clear();
        EXPECT_EQ(merge.run(c.entries, c.destination, "/opt", c.style), c.outcome) << c.destination;
        EXPECT_EQ(merge.shown, c.shown);
    }
    EXPECT_EQ(merge.starts.size(), 2u);
    // Once it has ended, its files are free.
    running({});
    EXPECT_EQ(merge.run({in("c.pdf")}, in("o.pdf")), Started);
    fs::remove_all(dir);
}

// A file at the destination is replaced unasked only where a merge of this
// window made it and it has not changed since. The destination is looked at
// as the tool starts, and again once it has ended: a success is a new or
// changed file.
TEST(MergeCommand, AsksBeforeReplacingAFileItDidNotMake)
{
    const fs::path out = fs::temp_directory_path() / "ordanex asked.pdf";
    std::ofstream(out) << "theirs";
    const std::string question = "There is already a file at \"" + out.string() +
                                 "\". Replace it with this merge? The file there now cannot be "
                                 "brought back.";
    Merge merge;
    merge.replace = false;
    EXPECT_EQ(merge.run({"/a.pdf"}, out.string()), MergeOutcome::Rejected);
    merge.replace = true;
    for (const char* made : {"ours", "ours again", ""}) {
        EXPECT_EQ(merge.run({"/a.pdf"}, out.string()), MergeOutcome::Started);
        if (*made)
            std::ofstream(out) << made;
        merge.ended({});
    }
    std::ofstream(out, std::ios::app) << " and changed";
    merge.run({"/a.pdf"}, out.string());
    fs::remove(out);
    // Asked at first, not for its own file, nor after a merge that made
    // none, but again once the file has changed.
    EXPECT_EQ(merge.asked, Entries(3, question));
    EXPECT_EQ(merge.starts.size(), 4u);
    const std::string merged = "Merged 1 file(s) into ordanex asked.pdf.";
    EXPECT_EQ(std::vector(merge.told.begin(), merge.told.begin() + 2), Entries(2, merged));
    EXPECT_TRUE(merge.told[2].ends_with("failed: pdftk reported success, but left no new file "
                                        "there.\n\nThe file at the destination is the one that "
                                        "was there before, unchanged: it is not the result of "
                                        "this merge."));
}

// A failure's message gives the tool's last lines as it wrote them, and says
// what is at the destination; a merge that worked is named for screen readers.
TEST(MergeReport, TellsWhatHappened)
{
    const FileState none, earlier{true, {1, 2}, 10, 0}, other{true, {1, 2}, 11, 0};
    const std::string failed = "The merge into \"/d/o.pdf\" failed: pdftk ";
    const struct {
        ToolEnd end;
        FileState before, after;
        int files;
        std::string text;
    } cases[] = {
        {{}, earlier, other, 3, "Merged 3 file(s) into o.pdf."},
        {{0, 9, "Killed", "1\n2\n3\n4\n5\n6\n7\n8\r\n  9\r\n10\n\n \n"},
         none,
         none,
         2,
         failed + "was ended by signal 9 (Killed).\n\npdftk said:\n3\n4\n5\n6\n7\n8\n  9\n10\n\n"
                  "No file was made at the destination."},
        {{2, 0, "", ""},
         earlier,
         other,
         2,
         failed + "ended with status 2.\n\nThe file at the destination may be incomplete."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reportMerge(Merge(), "/d/o.pdf", c.files, c.end, c.before, c.after, Unix).text,
                  c.text);
    }
}

} // namespace
} // namespace ordanex
