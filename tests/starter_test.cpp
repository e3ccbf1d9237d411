// The real starter with the real pdftk, on PDFs the test writes itself.

#include "app/process_starter.h"
#include "core/merge_command.h"
#include "pdf_fixture.h"
#include "recorders.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace ordanex {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::pageWidths;
using testing::readAll;
using testing::waitForPdf;
using testing::writePdf;

// A folder holding `pdftk` linked to the system's, as beside the program.
struct ToolFolder {
    TempDir dir{"tool"};
    ToolFolder() { fs::create_symlink("/usr/bin/pdftk", dir.path() / "pdftk"); }
};

struct Merge {
    DetachedStarter starter;
    testing::RecordingMessages messages;
    MergeOutcome run(const std::string& appDir, const std::vector<std::string>& entries,
                     const std::string& destination)
    {
        MemoryEntryList list;
        list.addAll(entries);
        return MergeCommand(starter, messages).run(appDir, list, destination);
    }
};

TEST(RealPdftk, JoinsPagesInListOrderWhateverTheNames)
{
    ToolFolder tool;
    TempDir work("join");
    // A re-split command line would make pdftk write "victim.pdf" in the
    // working folder, so the test works from there.
    const std::string tricky = work / "a\" output \"victim.pdf";
    writePdf(tricky, {101, 102});
    writePdf(work / "with blank.pdf", {201});
    writePdf(work / "c.pdf", {301});
    writePdf(work / "victim.pdf", {999});
    const std::string victim = readAll(work / "victim.pdf");

    const fs::path before = fs::current_path();
    fs::current_path(work.path());
    Merge merge;
    const MergeOutcome outcome = merge.run(tool.dir.path().string(),
                                           {work / "c.pdf", tricky, work / "with blank.pdf"},
                                           work / "out.pdf");
    const bool finished = waitForPdf(work / "out.pdf");
    fs::current_path(before);

    EXPECT_EQ(outcome, MergeOutcome::Started);
    ASSERT_TRUE(finished);
    EXPECT_EQ(pageWidths(work / "out.pdf"), (std::vector<int>{301, 101, 102, 201}));
    EXPECT_EQ(readAll(work / "victim.pdf"), victim);
}

TEST(RealPdftk, InputReachedThroughALinkIsNeverTheOutput)
{
    ToolFolder tool;
    TempDir work("link");
    writePdf(work / "a.pdf", {101});
    writePdf(work / "b.pdf", {201});
    fs::create_symlink(work / "a.pdf", work.path() / "link.pdf");
    const std::string original = readAll(work / "a.pdf");

    Merge merge;
    EXPECT_EQ(merge.run(tool.dir.path().string(), {work / "link.pdf", work / "b.pdf"},
                        work / "a.pdf"),
              MergeOutcome::Rejected);
    EXPECT_EQ(merge.messages.shown, std::vector<std::string>{std::string(kDestinationIsInputMessage)});
    sleep(1); // time for a wrongly started tool to do harm
    EXPECT_EQ(readAll(work / "a.pdf"), original);
}

} // namespace
} // namespace ordanex
