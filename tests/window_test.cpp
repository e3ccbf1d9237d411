// The window as a user meets it, under Qt's offscreen platform; the frame
// check also runs under a real X server with a window manager.

#include "app/app_directory.h"
#include "app/process_starter.h"
#include "recorders.h"
#include "ui/file_list_box.h"
#include "ui/main_window.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <filesystem>
#include <fstream>
#include <random>

using namespace ordanex;
using namespace ordanex::testing;
using Paths = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

// A whole drag (enter, move, drop) as a file manager's arrives: the links,
// and the same links as text. Returns the action taken.
Qt::DropAction drag(QWidget* target, const QList<QUrl>& urls, Qt::DropActions offered,
                    QString text = {})
{
    QMimeData data;
    data.setUrls(urls);
    for (const QUrl& url : urls)
        text += url.toString() + "\r\n";
    data.setText(text);
    QDragEnterEvent enter({20, 10}, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QDragMoveEvent move({20, 10}, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop({20, 10}, offered, &data, Qt::LeftButton, Qt::NoModifier);
    for (QEvent* event : std::initializer_list<QEvent*>{&enter, &move, &drop})
        QApplication::sendEvent(target, event);
    return enter.isAccepted() && move.isAccepted() && drop.isAccepted() ? drop.dropAction()
                                                                        : Qt::IgnoreAction;
}

QUrl file(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); }

// Closes message boxes as a user would, keeping their texts; a box that is
// not the program's plain one is marked.
struct Boxes {
    QStringList texts;
    QTimer timer;
    Boxes()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            const bool plain = box->windowTitle() == "Ordanex" && box->icon() == QMessageBox::NoIcon &&
                               box->standardButtons() == QMessageBox::Ok &&
                               box->textFormat() == Qt::PlainText;
            texts.append((plain ? "" : "NOT PLAIN: ") + box->text());
            box->button(QMessageBox::Ok)->click();
        });
        timer.start(5);
    }
};

std::vector<int> pageWidths(const QString& pdf)
{
    QProcess info;
    info.start("pdfinfo", {"-f", "1", "-l", "99", pdf});
    info.waitForFinished();
    std::vector<int> widths;
    static const QRegularExpression page(R"(Page +\d+ size: +(\d+))");
    for (auto match = page.globalMatch(info.readAllStandardOutput()); match.hasNext();)
        widths.push_back(match.next().captured(1).toInt());
    return widths;
}

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    RecordingStarter starter;
    int directoryReads = 0;
    std::unique_ptr<frmMain> w;

    void fill(const Paths& paths, int selection = -1)
    {
        w->entries().addAll(paths);
        w->entries().select(selection);
    }
    auto state() { return std::tuple(w->entries().entries(), w->entries().selection(), w->dfDestination->text()); }
    QPoint rowCenter(int row) { return w->lbFilelist->visualRect(w->lbFilelist->model()->index(row, 0)).center(); }

private slots:
    // The font the layout was designed for, unless a test sets another.
    void init()
    {
        QApplication::setFont(QFont("DejaVu Sans", 9));
        starter = RecordingStarter{};
        directoryReads = 0;
        w = std::make_unique<frmMain>(starter, [this] {
            ++directoryReads;
            return std::string("/opt/ordanex");
        });
    }
    void cleanup() { w.reset(); }

    void layout_data()
    {
        QTest::addColumn<int>("points");
        for (int points : {9, 10, 11, 12, 14})
            QTest::addRow("%d pt", points) << points;
    }
    void layout()
    {
        QFETCH(int, points);
        QApplication::setFont(QFont("DejaVu Sans", points));
        frmMain w(starter, [] { return std::string(); });
        const std::pair<QWidget*, QRect> table[] = {
            {w.lbFilelist, {8, 32, 497, 238}}, {w.Label1, {8, 8, 225, 25}},
            {w.dfDestination, {80, 280, 457, 25}}, {w.Label2, {8, 280, 65, 25}},
            {w.dfMerge, {456, 312, 81, 33}}, {w.pbUp, {512, 32, 41, 33}}, {w.pbDown, {512, 88, 41, 33}}};
        if (points == 9) { // the design's font: its geometry, but that labels grow to their text
            QCOMPARE(w.size(), QSize(564, 353));
            for (auto [control, designed] : table) {
                QCOMPARE(control->geometry().adjusted(0, 0, designed.width() - control->width(), 0), designed);
                QVERIFY(control->width() >= designed.width());
            }
        }
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const double f = w.layoutFactor();
        if (points == 9)
            QCOMPARE(f, 1.0);
        const auto wholeAndApart = [&] {
            QRect drawn[7];
            for (int i = 0; i < 7; ++i) {
                QWidget* control = table[i].first;
                QVERIFY2(w.rect().contains(control->geometry()), qPrintable(control->objectName()));
                drawn[i] = control->geometry();
                const QFontMetrics font = control->fontMetrics();
                if (auto* label = qobject_cast<QLabel*>(control)) {
                    const QSize ink(font.boundingRect(label->text()).right() + 1, font.height());
                    QCOMPARE(label->size().expandedTo(ink), label->size());
                    drawn[i] = QStyle::alignedRect(Qt::LeftToRight, label->alignment(), ink, drawn[i]);
                } else if (auto* button = qobject_cast<QPushButton*>(control)) {
                    QStyleOptionButton option;
                    option.initFrom(button);
                    option.features = QStyleOptionButton::AutoDefaultButton;
                    const QSize inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size();
                    const QSize ink(font.boundingRect(button->text().remove('&')).right() + 1, font.height());
                    QCOMPARE(inside.expandedTo(ink), inside);
                }
                for (int j = 0; j < i; ++j)
                    QVERIFY2(!drawn[i].intersects(drawn[j]), qPrintable(control->objectName()));
            }
            QVERIFY(w.dfDestination->height() >= w.dfDestination->minimumSizeHint().height());
        };
        wholeAndApart();

        // The resize rule keeps its gaps to the outer right edge, scaled.
        const int outer = w.frameGeometry().width();
        QCOMPARE(w.lbFilelist->width(), int(std::lround(outer - w.lbFilelist->x() - 1000 * f / 15)));
        QCOMPARE(w.pbUp->x(), int(std::lround(outer - w.pbUp->width() - 200 * f / 15)));
        const QRect list = w.lbFilelist->geometry(), field = w.dfDestination->geometry(),
                    up = w.pbUp->geometry(), down = w.pbDown->geometry(), merge = w.dfMerge->geometry();
        w.resize(w.width() + 100, w.height() + 80);
        QCOMPARE(w.lbFilelist->geometry(), list.adjusted(0, 0, 100, 0));
        QCOMPARE(w.dfDestination->geometry(), field.adjusted(0, 0, 100, 0));
        QCOMPARE(w.pbUp->geometry(), up.translated(100, 0));
        QCOMPARE(w.pbDown->geometry(), down.translated(100, 0));
        QCOMPARE(w.dfMerge->geometry(), merge);
        w.resize(10, 10); // held where every control is still whole
        wholeAndApart();
    }

    void minimised()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->showMinimized();
        QTRY_VERIFY(w->isMinimized());
        const QRect list = w->lbFilelist->geometry();
        w->resize(700, 353);
        QCOMPARE(w->lbFilelist->geometry(), list);
        w->showNormal();
        QTRY_COMPARE(w->lbFilelist->width(), w->frameGeometry().width() - 8 - 67);
        QCOMPARE(w->width(), 700);
    }

    // Under a window manager the frame is known only after the first show.
    void frameUnderWindowManager()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server with a window manager");
        w->show();
        QTRY_VERIFY_WITH_TIMEOUT(w->frameGeometry().width() > w->width(), 10000);
        QTRY_COMPARE(w->lbFilelist->width(), int(std::lround(w->frameGeometry().width() - 8 - 1000 / 15.0)));
    }

    void firstShow()
    {
        QCOMPARE(w->windowTitle(), "Ordanex");
        const QList<QSize> icons = w->windowIcon().availableSizes();
        QVERIFY(icons.contains(QSize(32, 32)) && icons.contains(QSize(48, 48)));
        QVERIFY(w->dfMerge->isDefault());
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(QApplication::focusWidget(), w->lbFilelist);
        for (QWidget* next : std::initializer_list<QWidget*>{w->dfDestination, w->dfMerge, w->pbUp, w->pbDown, w->lbFilelist}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void keys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selection");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<int>("starts");
        const QStringList abc{"/a", "/b", "/c"}, ac{"/a", "/c"}, bac{"/b", "/a", "/c"};
        QTest::newRow("Delete") << "lbFilelist" << int(Qt::Key_Delete) << 0 << ac << 1 << "/o.pdf" << 0;
        QTest::newRow("Shift+Delete") << "lbFilelist" << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << ac << 1 << "/o.pdf" << 0;
        QTest::newRow("Ctrl+Delete") << "lbFilelist" << int(Qt::Key_Delete) << int(Qt::ControlModifier) << ac << 1 << "/o.pdf" << 0;
        QTest::newRow("Delete in the field") << "dfDestination" << int(Qt::Key_Delete) << 0 << abc << 1 << "o.pdf" << 0;
        QTest::newRow("Alt+U") << "lbFilelist" << int(Qt::Key_U) << int(Qt::AltModifier) << bac << 0 << "/o.pdf" << 0;
        QTest::newRow("Alt+D") << "dfDestination" << int(Qt::Key_D) << int(Qt::AltModifier) << QStringList{"/a", "/c", "/b"} << 2 << "/o.pdf" << 0;
        QTest::newRow("Alt+M") << "lbFilelist" << int(Qt::Key_M) << int(Qt::AltModifier) << abc << 1 << "/o.pdf" << 1;
        QTest::newRow("Enter in the list") << "lbFilelist" << int(Qt::Key_Return) << 0 << abc << 1 << "/o.pdf" << 1;
        QTest::newRow("Enter in the field") << "dfDestination" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << abc << 1 << "/o.pdf" << 1;
        QTest::newRow("Enter on Up") << "pbUp" << int(Qt::Key_Return) << 0 << bac << 0 << "/o.pdf" << 0;
    }
    void keys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QStringList, entries);
        QFETCH(int, selection);
        QFETCH(QString, destination);
        QFETCH(int, starts);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        fill({"/a", "/b", "/c"}, 1);
        w->dfDestination->setText("/o.pdf");
        w->dfDestination->setCursorPosition(0);
        auto* target = w->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        Paths expected;
        for (const QString& entry : entries)
            expected.push_back(entry.toStdString());
        // An access key animates its click, which lands a moment later.
        QTRY_COMPARE(state(), std::tuple(expected, selection, destination));
        QTRY_COMPARE(int(starter.starts.size()), starts);
    }

    void drops_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<int>("offered");
        QTest::addColumn<bool>("ontoField");
        QTest::addColumn<bool>("listFilled");
        QTest::addColumn<int>("taken");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("message");
        const QList<QUrl> one{file("/d/one.pdf")};
        const int copy = Qt::CopyAction;
        QTest::newRow("onto an empty list") << QList<QUrl>{file("/d/one.pdf"), file("/d/two.PDF"), file("/e.d/three")}
            << copy << false << false << copy << 3 << "/d/one_Out.pdf" << "";
        QTest::newRow("onto a filled list") << one << copy << false << true << copy << 2 << "typed" << "";
        QTest::newRow("link or move") << one << int(Qt::LinkAction | Qt::MoveAction) << false << false << int(Qt::LinkAction) << 1 << "/d/one_Out.pdf" << "";
        QTest::newRow("move only") << one << int(Qt::MoveAction) << false << false << 0 << 0 << "typed" << "";
        QTest::newRow("web links only") << QList<QUrl>{QUrl("https://host.invalid/a.pdf")} << copy << false << false << 0 << 0 << "typed" << "";
        QTest::newRow("text only") << QList<QUrl>{} << copy << false << false << 0 << 0 << "typed" << "";
        QTest::newRow("onto the field") << one << copy << true << false << 0 << 0 << "typed" << "";
        QTest::newRow("names not UTF-8") << QList<QUrl>{QUrl("file:///d/caf%E9.pdf"), file("/d/ok.pdf"), QUrl("file:///d/%FF%FE.pdf")}
            << copy << false << false << copy << 1 << "/d/ok_Out.pdf"
            << "2 of the dropped files were not added: their names are not valid UTF-8.";
        QList<QUrl> many;
        for (int i = 0; i < 32770; ++i)
            many.append(file("/d/" + std::to_string(i) + ".pdf"));
        QTest::newRow("past the limit") << many << copy << false << false << copy << 32767 << "/d/0_Out.pdf"
            << "3 of the dropped files were not added: the list holds at most 32767 files.";
    }
    void drops()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(int, offered);
        QFETCH(bool, ontoField);
        QFETCH(bool, listFilled);
        QFETCH(int, taken);
        QFETCH(int, count);
        QFETCH(QString, destination);
        QFETCH(QString, message);
        if (listFilled)
            fill({"/x.pdf"}, 0);
        w->dfDestination->setText("typed");
        Boxes boxes;
        QWidget* target = ontoField ? static_cast<QWidget*>(w->dfDestination) : w->lbFilelist->viewport();
        QCOMPARE(int(drag(target, urls, Qt::DropActions(offered), urls.isEmpty() ? "/d/one.pdf" : "")), taken);
        QCOMPARE(w->entries().count(), count);
        QCOMPARE(w->entries().selection(), listFilled ? 0 : -1);
        QCOMPARE(w->dfDestination->text(), destination);
        QTRY_COMPARE(boxes.texts, message.isEmpty() ? QStringList() : QStringList{message});
    }

    void tooltip()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QWidget* viewport = w->lbFilelist->viewport();
        QTest::mouseMove(viewport, {30, 10});
        QCOMPARE(w->lbFilelist->toolTip(), "");
        fill({"/first.pdf", "/second.pdf", "/d/third entry.pdf", "/fourth.pdf"});
        const std::pair<QPoint, QString> nearest[] = {
            {rowCenter(2), "/d/third entry.pdf"},
            {{rowCenter(2).x(), viewport->height() - 2}, "/fourth.pdf"},
            {{viewport->width() - 2, rowCenter(2).y()}, "/d/third entry.pdf"}};
        for (const auto& [at, tip] : nearest) {
            QTest::mouseMove(viewport, at);
            QCOMPARE(w->lbFilelist->toolTip(), tip);
        }
        // A tip on screen moves on with the pointer, in small steps as a mouse does.
        QTest::mouseMove(viewport, rowCenter(0));
        QTRY_VERIFY(QToolTip::isVisible() && QToolTip::text() == "/first.pdf");
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(viewport, rowCenter(0) + (rowCenter(1) - rowCenter(0)) * step / 4, 10);
        QTRY_VERIFY(QToolTip::isVisible() && QToolTip::text() == "/second.pdf");
        QTest::qWait(400);
        QVERIFY(QToolTip::isVisible());
    }

    void accessibility()
    {
        drag(w->lbFilelist->viewport(), {file("/d/one.pdf")}, Qt::CopyAction);
        const std::tuple<QObject*, QAccessible::Role, QString> expected[] = {
            {w.get(), QAccessible::Window, "Ordanex"},
            {w->lbFilelist, QAccessible::List, "List of PDF Files to Merge (Drop Files here)"},
            {w->Label1, QAccessible::StaticText, "List of PDF Files to Merge (Drop Files here)"},
            {w->dfDestination, QAccessible::EditableText, "Destination:"},
            {w->Label2, QAccessible::StaticText, "Destination:"},
            {w->dfMerge, QAccessible::Button, "Merge"},
            {w->pbUp, QAccessible::Button, "Up"},
            {w->pbDown, QAccessible::Button, "Down"}};
        for (const auto& [object, role, name] : expected) {
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(object);
            QCOMPARE(control->role(), role);
            QCOMPARE(control->text(QAccessible::Name), name);
        }
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w->lbFilelist);
        QCOMPARE(list->child(0)->text(QAccessible::Name), "/d/one.pdf");
    }

    // The list box as storage follows the rules of plain memory, whatever
    // the view does on its own, and a Ctrl+click leaves no selection.
    void listBoxIsTheEntryList()
    {
        w->show();
        MemoryEntryList memory;
        EntryList& box = w->entries();
        std::mt19937 random(7);
        for (int step = 0; step < 3000; ++step) {
            const int index = int(random() % 12) - 1;
            switch (random() % 6) {
            case 0: box.add(std::to_string(step)); memory.add(std::to_string(step)); break;
            case 1: box.select(index); memory.select(index); break;
            case 2: box.moveUp(); memory.moveUp(); break;
            case 3: box.moveDown(); memory.moveDown(); break;
            case 4: box.removeSelected(); memory.removeSelected(); break;
            case 5: box.removeAt(index); memory.removeAt(index); break;
            }
            QCOMPARE(box.entries(), memory.entries());
            QCOMPARE(box.selection(), memory.selection());
        }
        QTest::mouseClick(w->lbFilelist->viewport(), Qt::LeftButton, {}, rowCenter(1));
        QTest::mouseClick(w->lbFilelist->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCenter(1));
        QCOMPARE(box.selection(), -1);
    }

    void merge()
    {
        fill({"/d/b.pdf", "/d/my a.pdf"}, 1);
        w->dfDestination->setText("/d/a_Out.pdf");
        const auto before = state();
        QTest::mouseClick(w->dfMerge, Qt::LeftButton);
        QTest::mouseClick(w->dfMerge, Qt::LeftButton);
        QCOMPARE(directoryReads, 2);
        QCOMPARE(starter.starts.size(), std::size_t(2));
        QCOMPARE(starter.starts[1].arguments, (Paths{"/opt/ordanex/pdftk", "/d/b.pdf", "/d/my a.pdf", "output", "/d/a_Out.pdf"}));
        starter.answer = {false, "<b>gone</b>"};
        Boxes boxes;
        QTest::mouseClick(w->dfMerge, Qt::LeftButton);
        QTRY_COMPARE(boxes.texts, QStringList{R"(The merge tool "/opt/ordanex/pdftk" could not be started: <b>gone</b>)"});
        QCOMPARE(state(), before);
    }

    // Read anew each time, so a moved program still finds its own folder.
    void appDirectoryFollowsTheProgram()
    {
        const fs::path program = fs::read_symlink("/proc/self/exe");
        QCOMPARE(appDirectory(), program.parent_path().string());
        const fs::path moved = program.parent_path() / "moved";
        fs::create_directory(moved);
        fs::rename(program, moved / program.filename());
        const std::string found = appDirectory();
        fs::rename(moved / program.filename(), program);
        fs::remove(moved);
        QCOMPARE(found, moved.string());
    }

    // The real pdftk from the program's folder, through the window.
    void realPdftk()
    {
        QTemporaryDir tool, work;
        fs::create_symlink(QStandardPaths::findExecutable("pdftk").toStdString(), tool.filePath("pdftk").toStdString());
        const fs::path dir = work.path().toStdString(), data = ORDANEX_TEST_DATA;
        const fs::path tricky = dir / R"(a" output "victim.pdf)", blank = dir / "with blank.pdf";
        fs::copy_file(data / "one-page.pdf", tricky);
        fs::copy_file(data / "one-page.pdf", dir / "victim.pdf");
        fs::copy_file(data / "two-pages.pdf", blank);
        fs::create_symlink(blank, dir / "link.pdf");

        DetachedStarter real;
        frmMain window(real, [&] { return tool.path().toStdString(); });
        Boxes boxes;
        drag(window.lbFilelist->viewport(), {file(blank), file(tricky)}, Qt::CopyAction);
        // Another spelling of an input, as the output: refused.
        window.dfDestination->setText(QString::fromStdString(dir / "link.pdf"));
        QTest::mouseClick(window.dfMerge, Qt::LeftButton);
        QTRY_COMPARE(boxes.texts, QStringList{"The destination is one of the files to merge. Choose another destination."});
        // A command line split again at the quotes would write victim.pdf here.
        QVERIFY(QDir::setCurrent(work.path()));
        window.dfDestination->setText(work.filePath("out.pdf"));
        QTest::mouseClick(window.dfMerge, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(pageWidths(work.filePath("out.pdf")), (std::vector<int>{201, 202, 101}), 60000);
        QCOMPARE(readAll(dir / "victim.pdf"), readAll(data / "one-page.pdf"));
        QCOMPARE(readAll(blank), readAll(data / "two-pages.pdf"));
        QCOMPARE(boxes.texts.size(), 1);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
