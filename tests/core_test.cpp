#include "core/destination_rule.h"
#include "core/entry_list.h"
#include "core/merge_command.h"

#include <gtest/gtest.h>

#include <fstream>

namespace ordanex {
namespace {

using Entries = std::vector<std::string>;
using enum PathStyle;

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
        {Unix, "/u/old.docs/report", "/u/old.docs/report"},
        {Unix, "/u/old.d\\report", "/u/old_Out.pdf"},
        {Windows, "C:\\old.docs\\report", "C:\\old.docs\\report"},
        {Windows, "C:/old.docs/report", "C:/old.docs/report"},
        {Windows, "C:\\old.docs/a.tiff", "C:\\old.docs/a_Out.pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DestinationRule::apply(c.path, c.style), c.destination) << c.path;
}

// Records what the merge job asks of the system.
struct Merge : ProgramStarter, MessageDisplay, MergeListener {
    std::vector<CommandLine> starts;
    EndHandler ended; // of the last start
    Entries shown, told;
    StartResult start(const CommandLine& command, EndHandler end) override
    {
        starts.push_back(command);
        ended = std::move(end);
        return {true, {}};
    }
    void showMessage(const std::string& text) override { shown.push_back(text); }
    void mergeStarted() override {}
    void mergeEnded(const MergeReport& report) override { told.push_back(report.text); }
    MergeOutcome run(const Entries& entries, const std::string& destination,
                     const std::string& appDir = "/opt", PathStyle style = Unix)
    {
        MemoryEntryList list;
        list.addAll(entries);
        return MergeCommand(*this, *this, *this, style).run(appDir, list, destination);
    }
};

// Windows takes the one string; elsewhere each piece is an argument of its own.
TEST(MergeCommand, StartsTheToolWithEveryPieceVerbatim)
{
    Merge windows, unix;
    windows.run({"C:\\b.pdf", "D:\\a.pdf"}, "C:\\o.pdf", "C:\\My Apps", Windows);
    windows.run({"a.pdf"}, "", "C:\\", Windows);
    unix.run({"/d/my file.pdf", R"(/x" output "/r.pdf)", "/d/my file.pdf"}, "/o.pdf", "/my apps");
    unix.run({"/a.pdf"}, "/x=y.pdf");
    ASSERT_EQ(windows.starts.size() + unix.starts.size(), 4u);
    EXPECT_EQ(windows.starts[0].text,
              R"("C:\My Apps\pdftk.exe" "C:\b.pdf" "D:\a.pdf" output "C:\o.pdf")");
    EXPECT_EQ(windows.starts[1].text, R"("C:\\pdftk.exe" "a.pdf" output "")");
    EXPECT_EQ(unix.starts[0].arguments,
              (Entries{"/my apps/pdftk", "/d/my file.pdf", R"(/x" output "/r.pdf)",
                       "/d/my file.pdf", "output", "/o.pdf"}));
    EXPECT_EQ(unix.starts[1].arguments, (Entries{"/opt/pdftk", "/a.pdf", "output", "/x=y.pdf"}));
}

TEST(MergeCommand, TellsWhyNothingRuns)
{
    const Entries equals{"Only ASCI Characters in Inputfilenames allowed! ('=' is not valid)"};
    const Entries same{"The destination is one of the files to merge. Choose another destination."};
    const struct {
        Entries entries;
        std::string destination;
        Entries shown;
    } cases[] = {
        {{"/a=.pdf", "/b.pdf"}, "/o.pdf", equals},
        {{"/a.pdf", "/b.pdf", "=c.pdf"}, "/o.pdf", equals},
        {{"/a.pdf", "/b=.pdf"}, "/a.pdf", equals},
        {{"/a.pdf", "/b.pdf"}, "/b.pdf", same},
        {{}, "/o.pdf", {}},
    };
    for (const auto& c : cases) {
        Merge merge;
        const MergeOutcome outcome =
            c.shown.empty() ? MergeOutcome::Nothing : MergeOutcome::Rejected;
        EXPECT_EQ(merge.run(c.entries, c.destination), outcome);
        EXPECT_EQ(std::pair(merge.starts.size(), merge.shown), std::pair(std::size_t{0}, c.shown));
    }
}

// The destination is looked at as the tool starts and again once it has
// ended: a file that appeared meanwhile is not taken for an earlier one.
TEST(MergeCommand, TellsHowTheToolEnded)
{
    const auto out = std::filesystem::temp_directory_path() / "ordanex core test.pdf";
    std::filesystem::remove(out);
    Merge merge;
    merge.run({"/a.pdf"}, out.string());
    std::ofstream(out) << "partial";
    merge.ended({1, 0, "", ""});
    std::filesystem::remove(out);
    EXPECT_EQ(merge.told, Entries{"The merge into \"" + out.string() +
                                  "\" failed: pdftk ended with status 1.\n\nThe file at the "
                                  "destination may be incomplete."});
}

// A failure's message gives the tool's last lines as it wrote them, and says
// what is at the destination; a merge that worked is named for screen readers.
TEST(MergeReport, TellsWhatHappened)
{
    const FileState none, earlier{true, 10, {}}, other{true, 11, {}};
    const std::string failed = "The merge into \"/d/o.pdf\" failed: pdftk ";
    const struct {
        ToolEnd end;
        FileState before, after;
        int files;
        std::string text;
    } cases[] = {
        {{}, none, other, 1, "Merged 1 file into o.pdf."},
        {{}, earlier, other, 3, "Merged 3 files into o.pdf."},
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
        EXPECT_EQ(reportMerge("/d/o.pdf", c.files, c.end, c.before, c.after, Unix).text, c.text);
    }
}

} // namespace
} // namespace ordanex
