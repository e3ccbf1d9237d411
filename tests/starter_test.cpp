// The real starter with the real pdftk, on PDFs the test writes itself.

#include "app/process_starter.h"
#include "core/merge_command.h"
#include "pdf_fixture.h"

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

struct CollectedMessages : MessageDisplay {
    std::vector<std::string> shown;
    void showMessage(const std::string& text) override { shown.push_back(text); }
};

// A folder holding `pdftk` linked to the system's, as beside the program.
struct ToolFolder {
    TempDir dir{"tool"};
    ToolFolder() { fs::create_symlink("/usr/bin/pdftk", dir.path() / "pdftk"); }
};

struct Merge {
    DetachedStarter starter;
    CollectedMessages messages;
    MergeOutcome run(const std::string& appDir, const std::vector<std::string>& entries,
                     const std::string& destination)
    {
        MemoryEntryList list;
        list.addAll(entries);
        return MergeCommand(starter, messages).run(appDir, list, destination);
    }
};

TEST(RealPdftk, JoinsPagesInListOrder)
{
    ToolFolder tool;
    TempDir work("join");
    writePdf(work / "a.pdf", {101, 102});
    writePdf(work / "b.pdf", {201});
    writePdf(work / "c.pdf", {301, 302});

    Merge merge;
    EXPECT_EQ(merge.run(tool.dir.path().string(), {work / "c.pdf", work / "a.pdf", work / "b.pdf"},
                        work / "out.pdf"),
              MergeOutcome::Started);
    ASSERT_TRUE(waitForPdf(work / "out.pdf"));
    EXPECT_EQ(pageWidths(work / "out.pdf"), (std::vector<int>{301, 302, 101, 102, 201}));
}

TEST(RealPdftk, QuotesAndBlanksInNamesCannotRedirectTheOutput)
{
    ToolFolder tool;
    TempDir work("quote");
    const std::string tricky = work / "a\" output \"victim.pdf";
    writePdf(tricky, {111});
    writePdf(work / "with blank.pdf", {222});
    writePdf(work / "victim.pdf", {999});
    const std::string victim = readAll(work / "victim.pdf");

    // A re-split command line would write "victim.pdf" relative to here.
    const fs::path before = fs::current_path();
    fs::current_path(work.path());
    Merge merge;
    const MergeOutcome outcome = merge.run(tool.dir.path().string(),
                                           {tricky, work / "with blank.pdf"}, work / "out.pdf");
    const bool finished = waitForPdf(work / "out.pdf");
    fs::current_path(before);

    EXPECT_EQ(outcome, MergeOutcome::Started);
    ASSERT_TRUE(finished);
    EXPECT_EQ(pageWidths(work / "out.pdf"), (std::vector<int>{111, 222}));
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

struct FailureCase {
    const char* name;
    void (*prepare)(const fs::path& appDir);
    std::size_t entryLength;
    const char* reason;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class StartFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(StartFailures, AreReportedInTheSystemsWords)
{
    const FailureCase& c = GetParam();
    TempDir appDir("fail");
    c.prepare(appDir.path());
    // Enough entries of this length to pass the system's argument limit.
    const long limit = sysconf(_SC_ARG_MAX);
    const std::size_t entries = c.entryLength > 0 ? static_cast<std::size_t>(limit) / c.entryLength + 1 : 1;

    Merge merge;
    EXPECT_EQ(merge.run(appDir.path().string(),
                        std::vector<std::string>(entries, std::string(c.entryLength, 'x')),
                        "/nonexistent/out.pdf"),
              MergeOutcome::StartFailed);
    ASSERT_EQ(merge.messages.shown.size(), 1u);
    const std::string& message = merge.messages.shown[0];
    EXPECT_NE(message.find(appDir / "pdftk"), std::string::npos) << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(Table, StartFailures, ::testing::Values(
    FailureCase{"Missing", [](const fs::path&) {}, 0, "No such file or directory"},
    FailureCase{"NotExecutable",
                [](const fs::path& d) { writePdf(d / "pdftk", {1}); }, 0, "Permission denied"},
    FailureCase{"Folder",
                [](const fs::path& d) { fs::create_directory(d / "pdftk"); }, 0, "Permission denied"},
    FailureCase{"ArgumentListTooLong",
                [](const fs::path& d) { fs::create_symlink("/usr/bin/pdftk", d / "pdftk"); },
                100000, "Argument list too long"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ordanex
