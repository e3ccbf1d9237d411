// The window as a user meets it, under Qt's offscreen platform; the frame
// check also runs under a real X server with a window manager.

#include "app/app_directory.h"
#include "app/process_starter.h"
#include "ui/file_list_box.h"
#include "ui/main_window.h"

#include <QtTest>
#include <QtWidgets>

#include <filesystem>
#include <fstream>

using namespace ordanex;
using Paths = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

QUrl file(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); }

// A whole drag as a file manager's arrives, the links also given as text.
// Returns the action taken.
Qt::DropAction drag(QWidget* target, const QList<QUrl>& urls, Qt::DropActions offered = Qt::CopyAction)
{
    QMimeData data;
    data.setUrls(urls);
    data.setText(urls.isEmpty() ? "/d/one.pdf" : urls[0].toString());
    QDragEnterEvent enter({20, 10}, offered, &data, Qt::LeftButton, {});
    QDropEvent drop({20, 10}, offered, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QApplication::sendEvent(target, &drop);
    return enter.isAccepted() && drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// Closes message boxes as a user would and keeps their texts, marking a box
// that is not the program's plain one.
struct Boxes : QTimer {
    QStringList texts;
    Boxes()
    {
        connect(this, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                const bool plain = box->windowTitle() == "Ordanex" && box->icon() == QMessageBox::NoIcon &&
                                   box->standardButtons() == QMessageBox::Ok && box->textFormat() == Qt::PlainText;
                texts.append((plain ? "" : "NOT PLAIN: ") + box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
        start(5);
    }
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    struct : ProgramStarter {
        std::size_t starts = 0;
        StartResult start(const CommandLine&) override { return ++starts, StartResult{true, {}}; }
    } starter;
    std::unique_ptr<frmMain> w;

    void make(int points = 9) // 9 pt is the font the layout was designed for
    {
        QApplication::setFont(QFont("DejaVu Sans", points));
        starter.starts = 0;
        w = std::make_unique<frmMain>(starter, [] { return std::string("/opt/ordanex"); });
    }
    void fill(const Paths& paths, int selection = -1) { w->entries().addAll(paths), w->entries().select(selection); }
    auto state() { return std::tuple(w->entries().entries(), w->entries().selection(), w->dfDestination->text()); }
    QPoint row(int index) { return w->lbFilelist->visualRect(w->lbFilelist->model()->index(index, 0)).center(); }
    void showActive() { w->show(); QVERIFY(QTest::qWaitForWindowActive(w.get())); }

private slots:
    void init() { make(); }

    void layout()
    {
        for (int points : {9, 10, 11, 12, 14}) {
            make(points);
            const std::pair<QWidget*, QRect> table[] = {{w->lbFilelist, {8, 32, 497, 238}}, {w->Label1, {8, 8, 225, 25}},
                {w->dfDestination, {80, 280, 457, 25}}, {w->Label2, {8, 280, 65, 25}}, {w->dfMerge, {456, 312, 81, 33}},
                {w->pbUp, {512, 32, 41, 33}}, {w->pbDown, {512, 88, 41, 33}}};
            if (points == 9) { // the design's geometry, but for labels grown to their text
                QCOMPARE(w->size(), QSize(564, 353));
                for (auto [control, designed] : table)
                    QCOMPARE(control->geometry(), designed.adjusted(0, 0, std::max(0, control->width() - designed.width()), 0));
            }
            const auto wholeApartInside = [&] {
                QRect drawn[7]; // a label by the text it shows
                for (int i = 0; i < 7; ++i) {
                    QWidget* control = table[i].first;
                    auto* button = qobject_cast<QPushButton*>(control);
                    auto* label = qobject_cast<QLabel*>(control);
                    QStyleOptionButton option;
                    option.initFrom(control);
                    const QRect room = button ? control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                                              : control->rect();
                    const QString caption = button ? button->text().remove('&') : label ? label->text() : "";
                    const QSize ink(control->fontMetrics().boundingRect(caption).right() + 1, control->fontMetrics().height());
                    drawn[i] = label ? QStyle::alignedRect(Qt::LeftToRight, label->alignment(), ink, label->geometry())
                                     : control->geometry();
                    QVERIFY2(room.size().expandedTo(ink) == room.size() && w->rect().contains(control->geometry()),
                             qPrintable(control->objectName()));
                    for (int j = 0; j < i; ++j)
                        QVERIFY2(!drawn[i].intersects(drawn[j]), qPrintable(control->objectName()));
                }
            };
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            QCOMPARE(w->layoutFactor() == 1, points == 9);
            wholeApartInside();
            // The resize rule keeps its gaps, scaled, to the outer right edge.
            const double outer = w->frameGeometry().width(), f = w->layoutFactor();
            QCOMPARE(w->lbFilelist->width(), int(std::lround(outer - w->lbFilelist->x() - 1000 * f / 15)));
            QCOMPARE(w->pbDown->x(), int(std::lround(outer - w->pbDown->width() - 200 * f / 15)));
            const QRect list = w->lbFilelist->geometry(), field = w->dfDestination->geometry(), up = w->pbUp->geometry(),
                        down = w->pbDown->geometry(), merge = w->dfMerge->geometry();
            w->resize(w->width() + 100, w->height() + 80);
            QCOMPARE(w->lbFilelist->geometry(), list.adjusted(0, 0, 100, 0));
            QCOMPARE(w->dfDestination->geometry(), field.adjusted(0, 0, 100, 0));
            QCOMPARE(std::pair(w->pbUp->geometry(), w->pbDown->geometry()), std::pair(up.translated(100, 0), down.translated(100, 0)));
            QCOMPARE(w->dfMerge->geometry(), merge);
            w->resize(10, 10); // held where every control is still whole
            wholeApartInside();
        }
    }

    void frameUnderWindowManager() // known only once the window is shown
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server with a window manager");
        w->show();
        QTRY_VERIFY_WITH_TIMEOUT(w->frameGeometry().width() > w->width(), 10000);
        QTRY_COMPARE(w->lbFilelist->width(), int(std::lround(w->frameGeometry().width() - 8 - 1000 / 15.0)));
    }

    void firstShow()
    {
        QVERIFY(w->dfMerge->isDefault());
        showActive();
        for (QWidget* next : std::initializer_list<QWidget*>{w->lbFilelist, w->dfDestination, w->dfMerge, w->pbUp, w->pbDown}) {
            QCOMPARE(QApplication::focusWidget(), next);
            QTest::keyClick(next, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), w->lbFilelist);
        // Screen readers name the list and the field after their labels.
        drag(w->lbFilelist->viewport(), {file("/d/one.pdf")});
        const QString list = "List of PDF Files to Merge (Drop Files here)";
        for (const auto& [object, role, name] : {std::tuple<QObject*, QAccessible::Role, QString>(w.get(), QAccessible::Window, "Ordanex"),
                 {w->lbFilelist, QAccessible::List, list}, {w->Label1, QAccessible::StaticText, list},
                 {w->dfDestination, QAccessible::EditableText, "Destination:"}, {w->Label2, QAccessible::StaticText, "Destination:"},
                 {w->dfMerge, QAccessible::Button, "Merge"}, {w->pbUp, QAccessible::Button, "Up"}, {w->pbDown, QAccessible::Button, "Down"}}) {
            QCOMPARE(QAccessible::queryAccessibleInterface(object)->role(), role);
            QCOMPARE(QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name), name);
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(w->lbFilelist)->child(0)->text(QAccessible::Name), "/d/one.pdf");
    }

    void keys()
    {
        const Paths abc{"/a", "/b", "/c"}, ac{"/a", "/c"}, bac{"/b", "/a", "/c"};
        const struct { const char* focus; int key, modifiers; Paths entries; int selection; QString field; std::size_t starts; } cases[] = {
            {"lbFilelist", Qt::Key_Delete, Qt::ShiftModifier | Qt::ControlModifier, ac, 1, "/o.pdf", 0},
            {"dfDestination", Qt::Key_Delete, 0, abc, 1, "o.pdf", 0},
            {"lbFilelist", Qt::Key_U, Qt::AltModifier, bac, 0, "/o.pdf", 0},
            {"dfDestination", Qt::Key_D, Qt::AltModifier, {"/a", "/c", "/b"}, 2, "/o.pdf", 0},
            {"lbFilelist", Qt::Key_M, Qt::AltModifier, abc, 1, "/o.pdf", 1},
            {"lbFilelist", Qt::Key_Return, 0, abc, 1, "/o.pdf", 1},
            {"dfDestination", Qt::Key_Enter, Qt::KeypadModifier, abc, 1, "/o.pdf", 1},
            {"pbUp", Qt::Key_Return, 0, bac, 0, "/o.pdf", 0},
        };
        for (const auto& c : cases) {
            make();
            showActive();
            fill(abc, 1);
            w->dfDestination->setText("/o.pdf");
            w->dfDestination->setCursorPosition(0);
            auto* target = w->findChild<QWidget*>(c.focus);
            target->setFocus();
            QTest::keyClick(target, Qt::Key(c.key), Qt::KeyboardModifiers(c.modifiers));
            // An access key animates its click, which lands a moment later.
            QTRY_COMPARE(state(), std::tuple(c.entries, c.selection, c.field));
            QTRY_COMPARE(starter.starts, c.starts);
        }
    }

    void drops()
    {
        const QList<QUrl> one{file("/d/one.pdf")};
        QList<QUrl> many;
        for (int i = 0; i < 32770; ++i)
            many.append(file("/d/" + std::to_string(i) + ".pdf"));
        const int copy = Qt::CopyAction, link = Qt::LinkAction;
        const struct { QList<QUrl> urls; int offered, taken; bool ontoField, filled; int count; QString field, message; } cases[] = {
            {{file("/d/one.pdf"), file("/d/two.PDF"), file("/e.d/three")}, copy, copy, false, false, 3, "/d/one_Out.pdf", ""},
            {one, copy, copy, false, true, 2, "typed", ""},
            {one, link | Qt::MoveAction, link, false, false, 1, "/d/one_Out.pdf", ""},
            {one, Qt::MoveAction, 0, false, false, 0, "typed", ""},
            {{QUrl("https://host.invalid/a.pdf")}, copy, 0, false, false, 0, "typed", ""},
            {{}, copy, 0, false, false, 0, "typed", ""},
            {one, copy, 0, true, false, 0, "typed", ""},
            {{QUrl("file:///d/caf%E9.pdf"), file("/d/ok.pdf"), QUrl("file:///d/%FF.pdf")}, copy, copy, false, false, 1,
             "/d/ok_Out.pdf", "2 of the dropped files were not added: their names are not valid UTF-8."},
            {many, copy, copy, false, false, 32767, "/d/0_Out.pdf",
             "3 of the dropped files were not added: the list holds at most 32767 files."},
        };
        for (const auto& c : cases) {
            make();
            fill(c.filled ? Paths{"/x.pdf"} : Paths{}, c.filled - 1);
            w->dfDestination->setText("typed");
            Boxes boxes;
            QWidget* target = c.ontoField ? static_cast<QWidget*>(w->dfDestination) : w->lbFilelist->viewport();
            QCOMPARE(int(drag(target, c.urls, Qt::DropActions(c.offered))), c.taken);
            QCOMPARE(w->entries().count(), c.count);
            QCOMPARE(w->entries().selection(), c.filled - 1);
            QCOMPARE(w->dfDestination->text(), c.field);
            QTRY_COMPARE(boxes.texts, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        }
    }

    void tooltip()
    {
        showActive();
        QWidget* viewport = w->lbFilelist->viewport();
        fill({"/first.pdf", "/second.pdf", "/third.pdf", "/fourth.pdf"});
        QTest::mouseMove(viewport, row(0));
        QTRY_VERIFY(QToolTip::isVisible() && QToolTip::text() == "/first.pdf");
        // The tip moves on with the pointer, in small steps as a mouse's, to the
        // nearest entry: below the last one, that one.
        const QPoint below(row(0).x(), viewport->height() - 2);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(viewport, row(0) + (below - row(0)) * step / 4, 10);
        QTest::qWait(600); // still there once Qt's delay for hiding it has passed
        QVERIFY(QToolTip::isVisible() && QToolTip::text() == "/fourth.pdf");
    }

    // The entry list's rules, kept by the list box that stores the entries.
    void entryList()
    {
        const Paths abc{"a", "b", "c"};
        const std::function<void(EntryList&)> up = &EntryList::moveUp, down = &EntryList::moveDown, del = &EntryList::removeSelected;
        const auto removeAt = [](int i) { return [i](EntryList& list) { list.removeAt(i); }; };
        const struct { Paths before; int selected; std::function<void(EntryList&)> action; Paths after; int selectedAfter; } cases[] = {
            {abc, 0, up, abc, 0},
            {abc, -1, up, abc, -1},
            {{"a", "b"}, 1, up, {"b", "a"}, 0},
            {abc, 2, down, abc, 2},
            {abc, -1, down, abc, -1},
            {abc, 0, down, {"b", "a", "c"}, 1},
            {{"a"}, 0, del, {}, -1},
            {abc, 2, del, {"a", "b"}, 1},
            {abc, 0, del, {"b", "c"}, 0},
            {abc, -1, del, abc, -1},
            {abc, 1, removeAt(1), {"a", "c"}, -1},
            {abc, 0, removeAt(3), abc, 0},
            {{"a"}, 0, [](EntryList& list) { list.add("a"); }, {"a", "a"}, 0},
            {abc, 1, [](EntryList& list) { list.select(3); }, abc, 1},
            {abc, 1, [](EntryList& list) { list.select(-1); }, abc, -1},
        };
        for (const auto& c : cases) {
            make();
            fill(c.before, c.selected);
            c.action(w->entries());
            QCOMPARE(std::pair(w->entries().entries(), w->entries().selection()), std::pair(c.after, c.selectedAfter));
        }
        // A Ctrl+click on the selected entry leaves none selected.
        w->show();
        QTest::mouseClick(w->lbFilelist->viewport(), Qt::LeftButton, {}, row(1));
        QTest::mouseClick(w->lbFilelist->viewport(), Qt::LeftButton, Qt::ControlModifier, row(1));
        QCOMPARE(w->entries().selection(), -1);
    }

    void realPdftk() // found beside the program once the program has moved
    {
        const fs::path program = fs::read_symlink("/proc/self/exe"), folder = program.parent_path() / "moved", work = folder / "work";
        QCOMPARE(appDirectory(), program.parent_path().string());
        fs::create_directories(work);
        struct Back { fs::path from, to; ~Back() { fs::current_path(to.parent_path()), fs::rename(from, to), fs::remove_all(from.parent_path()); } };
        fs::rename(program, folder / program.filename());
        const Back back{folder / program.filename(), program};
        fs::create_symlink(QStandardPaths::findExecutable("pdftk").toStdString(), folder / "pdftk");
        const fs::path data = ORDANEX_TEST_DATA, quote = work / R"(a" output "victim.pdf)", blank = work / "with blank.pdf";
        fs::copy_file(data / "one-page.pdf", quote);
        fs::copy_file(data / "one-page.pdf", work / "victim.pdf");
        fs::copy_file(data / "two-pages.pdf", blank);
        fs::create_symlink(blank, work / "link.pdf");
        DetachedStarter real;
        frmMain window(real, appDirectory);
        Boxes boxes;
        drag(window.lbFilelist->viewport(), {file(blank), file(quote)});
        window.dfDestination->setText(QString::fromStdString(work / "link.pdf")); // an input, spelt otherwise
        QTest::mouseClick(window.dfMerge, Qt::LeftButton);
        QTRY_COMPARE(boxes.texts, QStringList{"The destination is one of the files to merge. Choose another destination."});
        fs::current_path(work); // where a command split at the quotes would write victim.pdf
        window.dfDestination->setText(QString::fromStdString(work / "out.pdf"));
        QTest::mouseClick(window.dfMerge, Qt::LeftButton);
        const auto pages = [] {
            QProcess info;
            info.start("pdfinfo", {"-f", "1", "-l", "9", "out.pdf"});
            return info.waitForFinished(), QString(info.readAll()).split('\n').filter(QRegularExpression("^Page +\\d size")).join(',').simplified();
        };
        QTRY_COMPARE_WITH_TIMEOUT(pages(), "Page 1 size: 201 x 300 pts,Page 2 size: 202 x 300 pts,Page 3 size: 101 x 300 pts", 20000);
        const auto bytes = [](const fs::path& path) { std::ifstream in(path); return std::string(std::istreambuf_iterator(in), {}); };
        QCOMPARE(bytes(work / "victim.pdf"), bytes(data / "one-page.pdf"));
        QCOMPARE(bytes(blank), bytes(data / "two-pages.pdf"));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
