#include "core/destination_rule.h"
#include "core/entry_list.h"
#include "core/merge_command.h"

#include <gtest/gtest.h>

namespace ordanex {
namespace {

using Entries = std::vector<std::string>;

TEST(DestinationRule, ReplacesOnlyTheFileNamesExtension)
{
    const struct {
        PathStyle style;
        const char* path;
        const char* destination;
    } cases[] = {
        {PathStyle::Unix, "/u/report.PDF", "/u/report_Out.pdf"},
        {PathStyle::Unix, "a.b.pdf", "a.b_Out.pdf"},
        {PathStyle::Unix, "/u/report.", "/u/report_Out.pdf"},
        {PathStyle::Unix, "/u/old.docs/report", "/u/old.docs/report"},
        {PathStyle::Unix, "/u/old.d\\report", "/u/old_Out.pdf"},
        {PathStyle::Windows, "C:\\old.docs\\report", "C:\\old.docs\\report"},
        {PathStyle::Windows, "C:/old.docs/report", "C:/old.docs/report"},
        {PathStyle::Windows, "C:\\old.docs/a.tiff", "C:\\old.docs/a_Out.pdf"},
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
        return starts.push_back(command), StartResult{true, {}};
    }
    void showMessage(const std::string& text) override { shown.push_back(text); }
    MergeOutcome run(const Entries& entries, const std::string& destination,
                     const std::string& appDir = "/opt", PathStyle style = PathStyle::Unix)
    {
        MemoryEntryList list;
        list.addAll(entries);
        return MergeCommand(*this, *this, style).run(appDir, list, destination);
    }
};

TEST(MergeCommand, StartsTheToolWithEveryPieceVerbatim)
{
    const struct {
        PathStyle style;
        std::string appDir;
        Entries entries;
        std::string destination;
        std::string text;
        std::string tool;
    } cases[] = {
        {PathStyle::Windows,
         "C:\\Program Files\\Ordanex",
         {"C:\\docs\\b.pdf", "C:\\docs\\a.pdf"},
         "C:\\docs\\a_Out.pdf",
         R"("C:\Program Files\Ordanex\pdftk.exe" "C:\docs\b.pdf" "C:\docs\a.pdf" output "C:\docs\a_Out.pdf")",
         "C:\\Program Files\\Ordanex\\pdftk.exe"},
        {PathStyle::Windows,
         "C:\\",
         {"a.pdf"},
         "",
         R"("C:\\pdftk.exe" "a.pdf" output "")",
         "C:\\\\pdftk.exe"},
        {PathStyle::Unix,
         "/my apps",
         {"/d/my file.pdf", R"(/d/x" output "/home/u/report.pdf)", "/d/my file.pdf"},
         "/d/o ut.pdf",
         R"("/my apps/pdftk" "/d/my file.pdf" "/d/x" output "/home/u/report.pdf" "/d/my file.pdf" output "/d/o ut.pdf")",
         "/my apps/pdftk"},
        {PathStyle::Unix,
         "/opt",
         {"/a.pdf"},
         "/x=y.pdf",
         R"("/opt/pdftk" "/a.pdf" output "/x=y.pdf")",
         "/opt/pdftk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Merge merge;
        EXPECT_EQ(merge.run(c.entries, c.destination, c.appDir, c.style), MergeOutcome::Started);
        ASSERT_EQ(merge.starts.size(), 1u);
        EXPECT_EQ(merge.starts[0].text, c.text);
        Entries arguments{c.tool};
        arguments.insert(arguments.end(), c.entries.begin(), c.entries.end());
        arguments.insert(arguments.end(), {"output", c.destination});
        EXPECT_EQ(merge.starts[0].arguments, arguments);
    }
}

TEST(MergeCommand, TellsWhyNothingRuns)
{
    const std::string equals = "Only ASCI Characters in Inputfilenames allowed! ('=' is not valid)";
    const struct {
        Entries entries;
        std::string destination, message;
        MergeOutcome outcome = MergeOutcome::Rejected;
    } cases[] = {
        {{"/a=.pdf", "/b.pdf"}, "/o.pdf", equals},
        {{"/a.pdf", "/b.pdf", "=c.pdf"}, "/o.pdf", equals},
        {{"/a.pdf", "/b=.pdf"}, "/a.pdf", equals},
        {{"/a.pdf", "/b.pdf"},
         "/b.pdf",
         "The destination is one of the files to merge. Choose another destination."},
        {{}, "/o.pdf", "", MergeOutcome::Nothing},
    };
    for (const auto& c : cases) {
        Merge merge;
        EXPECT_EQ(merge.run(c.entries, c.destination), c.outcome);
        EXPECT_TRUE(merge.starts.empty());
        EXPECT_EQ(merge.shown, c.message.empty() ? Entries{} : Entries{c.message});
    }
}

} // namespace
} // namespace ordanex
