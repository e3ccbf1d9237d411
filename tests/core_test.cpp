#include "core/destination_rule.h"
#include "core/entry_list.h"
#include "core/merge_command.h"
#include "recorders.h"

#include <gtest/gtest.h>

#include <functional>

namespace ordanex {
namespace {

using Entries = std::vector<std::string>;
using testing::RecordingMessages;
using testing::RecordingStarter;

MemoryEntryList listOf(const Entries& entries, int selection = EntryList::kNoSelection)
{
    MemoryEntryList list;
    list.addAll(entries);
    list.select(selection);
    return list;
}

// ---------------------------------------------------------------- EntryList

struct ListCase {
    const char* name;
    Entries before;
    int selectedBefore;
    std::function<void(EntryList&)> action;
    Entries after;
    int selectedAfter;
};

void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }

class EntryListRules : public ::testing::TestWithParam<ListCase> {};

TEST_P(EntryListRules, LeaveEntriesAndSelectionAsSpecified)
{
    const ListCase& c = GetParam();
    MemoryEntryList list = listOf(c.before, c.selectedBefore);
    c.action(list);
    EXPECT_EQ(list.entries(), c.after);
    EXPECT_EQ(list.count(), static_cast<int>(c.after.size()));
    EXPECT_EQ(list.selection(), c.selectedAfter);
}

const Entries abc = {"a", "b", "c"};
const auto up = [](EntryList& l) { l.moveUp(); };
const auto down = [](EntryList& l) { l.moveDown(); };
const auto del = [](EntryList& l) { l.removeSelected(); };

INSTANTIATE_TEST_SUITE_P(Table, EntryListRules, ::testing::Values(
    ListCase{"UpOnFirst", abc, 0, up, abc, 0},
    ListCase{"UpWithoutSelection", abc, -1, up, abc, -1},
    ListCase{"UpOnSecondOfTwo", {"a", "b"}, 1, up, {"b", "a"}, 0},
    ListCase{"DownOnLast", abc, 2, down, abc, 2},
    ListCase{"DownWithoutSelection", abc, -1, down, abc, -1},
    ListCase{"DownOnFirst", abc, 0, down, {"b", "a", "c"}, 1},
    ListCase{"DeleteOnly", {"a"}, 0, del, {}, -1},
    ListCase{"DeleteLastOfThree", abc, 2, del, {"a", "b"}, 1},
    ListCase{"DeleteFirstOfThree", abc, 0, del, {"b", "c"}, 0},
    ListCase{"DeleteMiddle", abc, 1, del, {"a", "c"}, 1},
    ListCase{"DeleteWithoutSelection", abc, -1, del, abc, -1},
    ListCase{"RemoveBeforeSelection", abc, 2, [](EntryList& l) { l.removeAt(0); }, {"b", "c"}, 1},
    ListCase{"RemoveSelected", abc, 1, [](EntryList& l) { l.removeAt(1); }, {"a", "c"}, -1},
    ListCase{"RemoveAfterSelection", abc, 0, [](EntryList& l) { l.removeAt(2); }, {"a", "b"}, 0},
    ListCase{"AddKeepsSelectionAndDuplicates", {"a"}, 0,
             [](EntryList& l) { l.add("a"); }, {"a", "a"}, 0},
    ListCase{"SelectPastEndIgnored", abc, 1, [](EntryList& l) { l.select(3); }, abc, 1},
    ListCase{"SelectNone", abc, 1, [](EntryList& l) { l.select(-1); }, abc, -1},
    ListCase{"SetTextPastEndIgnored", abc, 1, [](EntryList& l) { l.setText(3, "x"); }, abc, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryList, TextAtOrPastCountIsEmpty)
{
    MemoryEntryList list;
    EXPECT_EQ(list.text(0), "");
    list.add("a");
    EXPECT_EQ(list.text(0), "a");
    EXPECT_EQ(list.text(1), "");
    EXPECT_EQ(list.text(65535), "");
    EXPECT_EQ(list.text(-1), "");
}

TEST(EntryList, HoldsAtMostTheLimitAndKeepsWhatFits)
{
    MemoryEntryList list;
    const Entries many(EntryList::kMaxEntries - 1, "p");
    EXPECT_EQ(list.addAll(many), many.size());
    list.select(5);
    EXPECT_EQ(list.addAll(Entries{"last", "over", "over"}), 1u);
    EXPECT_EQ(list.count(), EntryList::kMaxEntries);
    EXPECT_EQ(list.text(EntryList::kMaxEntries - 1), "last");
    EXPECT_FALSE(list.add("over"));
    EXPECT_EQ(list.count(), EntryList::kMaxEntries);
    EXPECT_EQ(list.selection(), 5);
}

// ---------------------------------------------------------- DestinationRule

struct DestinationCase {
    PathStyle style;
    std::string path;
    std::string destination;
};

void PrintTo(const DestinationCase& c, std::ostream* out) { *out << c.path; }

class DestinationRuleResults : public ::testing::TestWithParam<DestinationCase> {};

TEST_P(DestinationRuleResults, ReplaceOnlyTheFileNamesExtension)
{
    const DestinationCase& c = GetParam();
    EXPECT_EQ(DestinationRule::apply(c.path, c.style), c.destination) << c.path;
}

INSTANTIATE_TEST_SUITE_P(Unix, DestinationRuleResults, ::testing::Values(
    DestinationCase{PathStyle::Unix, "/home/u/report.pdf", "/home/u/report_Out.pdf"},
    DestinationCase{PathStyle::Unix, "/home/u/a.b.pdf", "/home/u/a.b_Out.pdf"},
    DestinationCase{PathStyle::Unix, "/home/u/scan.tiff2pdfx", "/home/u/scan_Out.pdf"},
    DestinationCase{PathStyle::Unix, "/home/u/report.", "/home/u/report_Out.pdf"},
    DestinationCase{PathStyle::Unix, "/home/u/report", "/home/u/report"},
    DestinationCase{PathStyle::Unix, "/home/u/old.docs/report", "/home/u/old.docs/report"},
    DestinationCase{PathStyle::Unix, "/home/u/old.d\\report", "/home/u/old_Out.pdf"},
    DestinationCase{PathStyle::Unix, "report.pdf", "report_Out.pdf"},
    DestinationCase{PathStyle::Unix, "", ""}));

INSTANTIATE_TEST_SUITE_P(Windows, DestinationRuleResults, ::testing::Values(
    DestinationCase{PathStyle::Windows, "C:\\docs\\report.pdf", "C:\\docs\\report_Out.pdf"},
    DestinationCase{PathStyle::Windows, "C:\\old.docs\\report", "C:\\old.docs\\report"},
    DestinationCase{PathStyle::Windows, "C:/old.docs/report", "C:/old.docs/report"},
    DestinationCase{PathStyle::Windows, "C:\\old.docs/a.PDF", "C:\\old.docs/a_Out.pdf"}));

// ------------------------------------------------------------- MergeCommand

struct Merge {
    RecordingStarter starter;
    RecordingMessages messages;
    MergeOutcome run(const std::string& appDir, const Entries& entries,
                     const std::string& destination, PathStyle style = PathStyle::Unix)
    {
        MergeCommand command(starter, messages, style);
        return command.run(appDir, listOf(entries), destination);
    }
};

struct CommandCase {
    const char* name;
    PathStyle style;
    std::string appDir;
    Entries entries;
    std::string destination;
    std::string text;
};

void PrintTo(const CommandCase& c, std::ostream* out) { *out << c.name; }

class CommandLines : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandLines, AreBuiltPieceByPieceAndStartedOnce)
{
    const CommandCase& c = GetParam();
    Merge merge;
    EXPECT_EQ(merge.run(c.appDir, c.entries, c.destination, c.style), MergeOutcome::Started);
    EXPECT_TRUE(merge.messages.shown.empty());
    ASSERT_EQ(merge.starter.starts.size(), 1u);
    const CommandLine& started = merge.starter.starts.front();
    EXPECT_EQ(started.text, c.text);

    Entries arguments{c.appDir + std::string(toolSuffix(c.style))};
    arguments.insert(arguments.end(), c.entries.begin(), c.entries.end());
    arguments.push_back("output");
    arguments.push_back(c.destination);
    EXPECT_EQ(started.arguments, arguments);
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLines, ::testing::Values(
    CommandCase{"WindowsExample", PathStyle::Windows, "C:\\Program Files\\Ordanex",
                {"C:\\docs\\b.pdf", "C:\\docs\\a.pdf"}, "C:\\docs\\a_Out.pdf",
                R"("C:\Program Files\Ordanex\pdftk.exe" "C:\docs\b.pdf" "C:\docs\a.pdf" output "C:\docs\a_Out.pdf")"},
    CommandCase{"UnixExample", PathStyle::Unix, "/opt/ordanex",
                {"/docs/b.pdf", "/docs/a.pdf"}, "/docs/a_Out.pdf",
                R"("/opt/ordanex/pdftk" "/docs/b.pdf" "/docs/a.pdf" output "/docs/a_Out.pdf")"},
    CommandCase{"OneEntry", PathStyle::Unix, "/opt", {"/a.pdf"}, "/o.pdf",
                R"("/opt/pdftk" "/a.pdf" output "/o.pdf")"},
    CommandCase{"EmptyDestination", PathStyle::Unix, "/opt", {"/a.pdf"}, "",
                R"("/opt/pdftk" "/a.pdf" output "")"},
    CommandCase{"EqualsInDestinationOnly", PathStyle::Unix, "/opt", {"/a.pdf"}, "/x=y.pdf",
                R"("/opt/pdftk" "/a.pdf" output "/x=y.pdf")"},
    CommandCase{"BlanksAndQuotesVerbatim", PathStyle::Unix, "/my apps",
                {"/d/my file.pdf", R"(/d/x" output "/home/u/report.pdf)"}, "/d/o ut.pdf",
                R"("/my apps/pdftk" "/d/my file.pdf" "/d/x" output "/home/u/report.pdf" output "/d/o ut.pdf")"},
    CommandCase{"SamePathTwice", PathStyle::Unix, "/opt", {"/a.pdf", "/a.pdf"}, "/o.pdf",
                R"("/opt/pdftk" "/a.pdf" "/a.pdf" output "/o.pdf")"},
    CommandCase{"WindowsDriveRoot", PathStyle::Windows, "C:\\", {"C:\\a.pdf"}, "C:\\o.pdf",
                R"("C:\\pdftk.exe" "C:\a.pdf" output "C:\o.pdf")"},
    CommandCase{"UnixRoot", PathStyle::Unix, "/", {"/a.pdf"}, "/o.pdf",
                R"("//pdftk" "/a.pdf" output "/o.pdf")"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MergeCommand, StartsThisSystemsTool)
{
    Merge merge;
    MergeCommand(merge.starter, merge.messages).run("dir", listOf({"a.pdf"}), "o.pdf");
    ASSERT_EQ(merge.starter.starts.size(), 1u);
#ifdef _WIN32
    EXPECT_EQ(merge.starter.starts[0].arguments[0], "dir\\pdftk.exe");
#else
    EXPECT_EQ(merge.starter.starts[0].arguments[0], "dir/pdftk");
#endif
}

TEST(MergeCommand, EmptyListDoesNothingSilently)
{
    Merge merge;
    EXPECT_EQ(merge.run("/opt", {}, "/o.pdf"), MergeOutcome::Nothing);
    EXPECT_TRUE(merge.starter.starts.empty());
    EXPECT_TRUE(merge.messages.shown.empty());
}

struct RejectCase {
    const char* name;
    Entries entries;
    std::string destination;
    std::string_view message;
};

void PrintTo(const RejectCase& c, std::ostream* out) { *out << c.name; }

class Rejections : public ::testing::TestWithParam<RejectCase> {};

TEST_P(Rejections, ShowOneMessageAndStartNothing)
{
    const RejectCase& c = GetParam();
    Merge merge;
    EXPECT_EQ(merge.run("/opt", c.entries, c.destination), MergeOutcome::Rejected);
    EXPECT_TRUE(merge.starter.starts.empty());
    EXPECT_EQ(merge.messages.shown, Entries{std::string(c.message)});
}

INSTANTIATE_TEST_SUITE_P(Table, Rejections, ::testing::Values(
    RejectCase{"EqualsInFirst", {"/a=.pdf", "/b.pdf", "/c.pdf"}, "/o.pdf", kEqualsSignMessage},
    RejectCase{"EqualsInMiddle", {"/a.pdf", "/b=.pdf", "/c.pdf"}, "/o.pdf", kEqualsSignMessage},
    RejectCase{"EqualsInLast", {"/a.pdf", "/b.pdf", "=c.pdf"}, "/o.pdf", kEqualsSignMessage},
    RejectCase{"EqualsBeatsSameFile", {"/a.pdf", "/b=.pdf"}, "/a.pdf", kEqualsSignMessage},
    RejectCase{"DestinationIsAnEntry", {"/a.pdf", "/b.pdf"}, "/b.pdf", kDestinationIsInputMessage}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MergeCommand, StartFailureNamesTheToolAndTheReason)
{
    Merge merge;
    merge.starter.answer = {false, "No such file or directory"};
    EXPECT_EQ(merge.run("/opt/x", {"/a.pdf"}, "/o.pdf"), MergeOutcome::StartFailed);
    ASSERT_EQ(merge.messages.shown.size(), 1u);
    EXPECT_NE(merge.messages.shown[0].find("\"/opt/x/pdftk\""), std::string::npos);
    EXPECT_NE(merge.messages.shown[0].find("No such file or directory"), std::string::npos);
}

} // namespace
} // namespace ordanex
