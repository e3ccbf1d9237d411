// Bad input through the window, with the real starter: each row either
// starts the tool with exactly the right arguments or shows a message, and
// in both cases loses nothing: the list, its selection and the destination
// stay, no file in the work folder changes, and none is added.

#include "app/process_starter.h"
#include "pdf_fixture.h"
#include "window_fixture.h"

#include <QTest>

#include <fstream>
#include <map>
#include <optional>

#include <unistd.h>

using namespace ordanex;
using namespace ordanex::testing;
namespace fs = std::filesystem;

namespace {

enum class Tool { Recorder, Missing, NotExecutable, Folder };

struct Row {
    const char* name;
    std::vector<std::string> entries; // "{w}" stands for the work folder
    std::optional<std::string> destination = {}; // none: the one the drop proposed
    const char* message = nullptr;          // none: the tool must start
    Tool tool = Tool::Recorder;
};

const std::string kLong = [] {
    std::string path = "{w}";
    while (path.size() < 4000)
        path += "/" + std::string(200, 'd');
    return path + ".pdf";
}();

const std::vector<Row> kRows = {
    {"quote", {"{w}/a\" output \"victim.pdf", "{w}/b.pdf"}},
    {"blanks", {"{w}/my file one.pdf", "{w}/b.pdf"}},
    {"non-ASCII", {"{w}/Übersicht – café ☕.pdf"}},
    {"tab", {"{w}/tab\there.pdf"}},
    {"newline", {"{w}/line\nbreak.pdf"}},
    {"leading dash", {"{w}/-rf.pdf", "{w}/--help"}},
    {"4000 characters", {kLong}},
    {"folder", {"{w}/b.pdf", "{w}/folder"}},
    {"= in first", {"{w}/a=1.pdf", "{w}/b.pdf", "{w}/c.pdf"}, {}, kEqualsSignMessage.data()},
    {"= in middle", {"{w}/a.pdf", "{w}/b=1.pdf", "{w}/c.pdf"}, {}, kEqualsSignMessage.data()},
    {"= in last", {"{w}/a.pdf", "{w}/b.pdf", "{w}/c=1.pdf"}, {}, kEqualsSignMessage.data()},
    {"= in destination only", {"{w}/a.pdf"}, "{w}/x=y.pdf"},
    {"empty destination", {"{w}/a.pdf"}, ""},
    {"destination through a link", {"{w}/link.pdf", "{w}/b.pdf"}, "{w}/a.pdf",
     kDestinationIsInputMessage.data()},
    {"destination through ./", {"{w}/a.pdf", "{w}/b.pdf"}, "{w}/./a.pdf",
     kDestinationIsInputMessage.data()},
    {"destination through ..", {"{w}/a.pdf", "{w}/b.pdf"}, "{w}/folder/../b.pdf",
     kDestinationIsInputMessage.data()},
    {"no pdftk", {"{w}/a.pdf"}, {}, "No such file or directory", Tool::Missing},
    {"pdftk not executable", {"{w}/a.pdf"}, {}, "Permission denied", Tool::NotExecutable},
    {"pdftk is a folder", {"{w}/a.pdf"}, {}, "Permission denied", Tool::Folder},
    {"argument list too long", {}, {}, "Argument list too long"},
};

std::string expand(std::string text, const std::string& work)
{
    for (auto at = text.find("{w}"); at != std::string::npos; at = text.find("{w}"))
        text.replace(at, 3, work);
    return text;
}

// Every file below `folder` with its content; links are listed, not followed.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& item : fs::recursive_directory_iterator(folder)) {
        if (item.is_symlink())
            files[item.path().string()] = "-> " + fs::read_symlink(item.path()).string();
        else if (item.is_regular_file())
            files[item.path().string()] = readAll(item.path());
        else
            files[item.path().string()] = "folder";
    }
    return files;
}

// Starts through the real starter and counts the starts.
struct CountingStarter : ProgramStarter {
    DetachedStarter real;
    int starts = 0;
    StartResult start(const CommandLine& command) override
    {
        ++starts;
        return real.start(command);
    }
};

std::vector<std::string> waitForArguments(const fs::path& file)
{
    for (int tries = 0; tries < 1000 && !fs::exists(file); ++tries)
        QTest::qWait(10);
    const std::string all = readAll(file);
    std::vector<std::string> arguments;
    for (std::size_t start = 0, end; (end = all.find('\0', start)) != std::string::npos; start = end + 1)
        arguments.push_back(all.substr(start, end - start));
    return arguments;
}

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT

private slots:
    void merge_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < kRows.size(); ++i)
            QTest::newRow(kRows[i].name) << int(i);
    }

    void merge()
    {
        QFETCH(int, row);
        const Row& r = kRows[static_cast<std::size_t>(row)];
        TempDir appDir("bad-tool");
        TempDir work("bad-work");
        const std::string w = work.path().string();
        const fs::path tool = appDir.path() / "pdftk";
        switch (r.tool) {
        case Tool::Recorder:
            std::ofstream(tool) << "#!/bin/sh\nprintf '%s\\0' \"$0\" \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n";
            fs::permissions(tool, fs::perms::owner_all);
            break;
        case Tool::Missing: break;
        case Tool::NotExecutable: std::ofstream(tool) << "#!/bin/sh\n"; break;
        case Tool::Folder: fs::create_directory(tool); break;
        }

        // The work folder: inputs, a bystander, a link and a folder.
        for (const char* name : {"a.pdf", "b.pdf", "c.pdf", "victim.pdf"})
            writePdf(work.path() / name, {100});
        fs::create_directory(work.path() / "folder");
        fs::create_symlink(work.path() / "a.pdf", work.path() / "link.pdf");
        std::vector<std::string> entries;
        for (const std::string& entry : r.entries) {
            entries.push_back(expand(entry, w));
            if (!fs::exists(entries.back()) && fs::path(entries.back()).filename().string().size() < 256)
                std::ofstream(entries.back()) << "input";
        }
        if (entries.empty()) { // enough long names to pass the system's limit
            const auto limit = static_cast<std::size_t>(sysconf(_SC_ARG_MAX));
            entries.assign(limit / 100000 + 1, w + "/" + std::string(100000, 'x'));
        }
        const auto filesBefore = snapshot(work.path());

        CountingStarter starter;
        frmMain window(starter, [&] { return appDir.path().string(); });
        Boxes boxes;
        QCOMPARE(drag(window, filesData(entries), Qt::CopyAction), Qt::CopyAction);
        window.entries().select(0);
        if (r.destination)
            window.dfDestination->setText(QString::fromStdString(expand(*r.destination, w)));
        const State before = stateOf(window);
        QCOMPARE(before.entries, entries);

        QTest::mouseClick(window.dfMerge, Qt::LeftButton);

        if (r.message) {
            QTRY_COMPARE(boxes.texts.size(), 1);
            QVERIFY2(boxes.texts[0].contains(QString::fromUtf8(r.message)), qPrintable(boxes.texts[0]));
            QVERIFY(boxes.allPlain);
            QCOMPARE(starter.starts, r.tool == Tool::Recorder && r.entries.size() > 0 ? 0 : 1);
        } else {
            std::vector<std::string> expected{tool.string()};
            expected.insert(expected.end(), entries.begin(), entries.end());
            expected.push_back("output");
            expected.push_back(before.destination.toStdString());
            QCOMPARE(waitForArguments(appDir.path() / "pdftk.args"), expected);
            QCOMPARE(boxes.texts, QStringList());
        }
        QCOMPARE(stateOf(window), before);
        QCOMPARE(snapshot(work.path()), filesBefore);
    }

    void drops_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("textOnly");
        QTest::addColumn<int>("offered");
        QTest::addColumn<int>("added");
        QTest::addColumn<QString>("message");
        QTest::newRow("past 32767") << 32770 << false << int(Qt::CopyAction) << 32767
            << "3 of the dropped files were not added: the list holds at most 32767 files.";
        QTest::newRow("text only") << 1 << true << int(Qt::CopyAction) << 0 << QString();
        QTest::newRow("move only") << 1 << false << int(Qt::MoveAction) << 0 << QString();
        QTest::newRow("link or move") << 1 << false << int(Qt::LinkAction | Qt::MoveAction) << 1 << QString();
    }

    void drops()
    {
        QFETCH(int, files);
        QFETCH(bool, textOnly);
        QFETCH(int, offered);
        QFETCH(int, added);
        QFETCH(QString, message);
        CountingStarter starter;
        frmMain window(starter, [] { return std::string("/nonexistent"); });
        window.dfDestination->setText("/typed.pdf");
        Boxes boxes;
        std::vector<std::string> paths;
        for (int i = 0; i < files; ++i)
            paths.push_back("/d/" + std::to_string(i) + ".pdf");
        QMimeData* data = filesData(paths);
        if (textOnly) {
            data->setUrls({});
            data->setText("/d/0.pdf");
        }
        const Qt::DropAction action = drag(window, data, Qt::DropActions(offered));
        QVERIFY(action != Qt::MoveAction);
        QCOMPARE(window.entries().count(), added);
        QCOMPARE(window.entries().selection(), -1);
        QCOMPARE(window.dfDestination->text(), added ? "/d/0_Out.pdf" : "/typed.pdf");
        QTRY_COMPARE(boxes.texts, message.isEmpty() ? QStringList() : QStringList{message});
    }
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
