#include "core/destination_rule.h"
#include "core/entry_list.h"
#include "core/merge_command.h"

#include <gtest/gtest.h>

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
struct Merge : ProgramStarter, MessageDisplay {
    std::vector<CommandLine> starts;
    Entries shown;
    StartResult start(const CommandLine& command) override
    {
        starts.push_back(command);
        return {true, {}};
    }
    void showMessage(const std::string& text) override { shown.push_back(text); }
    MergeOutcome run(const Entries& entries, const std::string& destination,
                     const std::string& appDir = "/opt", PathStyle style = Unix)
    {
        MemoryEntryList list;
        list.addAll(entries);
        return MergeCommand(*this, *this, style).run(appDir, list, destination);
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

} // namespace
} // namespace ordanex
