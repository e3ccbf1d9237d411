// The window as a user meets it, under Qt's offscreen platform and under X with a window manager.

#include "app/app_directory.h"
#include "app/process_starter.h"
#include "ui/file_list_box.h"
#include "ui/main_window.h"
#include "ui/window_layout.h"

#include <QtTest>
#include <QtWidgets>

#include <filesystem>

using namespace ordanex;
using Paths = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

QUrl file(const QString& path)
{
    return QUrl::fromLocalFile(path);
}
QString text(const fs::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

// A whole drag as a file manager's (its links also as text), or of plain text; returns the action
// taken.
Qt::DropAction drag(QWidget* target, const QList<QUrl>& urls,
                    Qt::DropActions offered = Qt::CopyAction)
{
    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    data.setText(urls.isEmpty() ? "plain" : urls[0].toString());
    QDragEnterEvent enter({200, 10}, offered, &data, Qt::LeftButton,
                          {}); // right of any text in the field
    QDropEvent drop({200, 10}, offered, &data, Qt::LeftButton, {});
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
                const bool plain =
                    box->windowTitle() == "Ordanex" && box->icon() == QMessageBox::NoIcon &&
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
    // From a selection, so that clearing one counts too.
    void fill(const Paths& paths, int selection = -1)
    {
        w->entries().addAll(paths), w->entries().select(0), w->entries().select(selection);
    }
    QPoint row(int index)
    {
        return w->lbFilelist->visualRect(w->lbFilelist->model()->index(index, 0)).center();
    }
    void showActive()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

private slots:
    void init() { make(); }

    void layout()
    {
        // From what the fonts and style measure, the factor that makes every caption whole.
        const struct {
            layout::Measures measures;
            double factor;
        } cases[] = {
            {{.fieldLabelInk = 90}, 1.25},
            {{.fieldHeight = 30}, 1.2}, // a button's caption inside the frame its style draws:
            {{.buttonFrame = {20, 4}, .buttonText = {{{}, {}, {35, 0}}}}, 55 / 41.0},
            {{.buttonFrame = {2, 20}, .buttonText = {{{}, {20, 46}, {}}}}, 2}};
        for (const auto& [measures, factor] : cases)
            QCOMPARE(layout::fitFactor(measures), factor);
        const std::unique_ptr<frmMain> open =
            std::move(w); // open while the desktop's font changes, hidden at the first change
        for (int points : {8, 9, 11, 14, 10, 12}) {
            const QSize before = open->size();
            make(points);
            open->show();
            // Where each control is designed, and the gap in twips it keeps to the window's outer
            // right edge.
            const struct {
                QWidget* control;
                QRect designed;
                int gap;
            } table[] = {
                {w->lbFilelist, {8, 32, 497, 238}, 1000},    {w->Label1, {8, 8, 225, 25}, 0},
                {w->dfDestination, {80, 280, 457, 25}, 200}, {w->Label2, {8, 280, 65, 25}, 0},
                {w->dfMerge, {456, 312, 81, 33}, 0},         {w->pbUp, {512, 32, 41, 33}, 200},
                {w->pbDown, {512, 88, 41, 33}, 200}};
            const int labelGap = (w->Label2->fontMetrics().height() + 3) /
                                 4; // a quarter of the font's height, rounded up
            const auto textEnd = [](QLabel* label) {
                return label->x() + label->fontMetrics().boundingRect(label->text()).right() + 1;
            };
            if (points <= 9) { // the design's geometry, but for labels grown to their text and the
                               // field moved just clear of its label
                QCOMPARE(w->size(), QSize(564, 353));
                for (auto [control, designed, _] : table)
                    QCOMPARE(control->geometry(),
                             designed.adjusted(control == w->dfDestination
                                                   ? std::max(0, textEnd(w->Label2) + labelGap - 80)
                                                   : 0,
                                               0, std::max(0, control->width() - designed.width()),
                                               0));
            }
            const auto wholeApartInside = [&] {
                QRect drawn[7]; // a label by the text it shows
                for (int i = 0; i < 7; ++i) {
                    QWidget* control = table[i].control;
                    auto* button = qobject_cast<QPushButton*>(control);
                    auto* label = qobject_cast<QLabel*>(control);
                    QStyleOptionButton option;
                    option.initFrom(control);
                    const QRect room = button ? control->style()->subElementRect(
                                                    QStyle::SE_PushButtonContents, &option, button)
                                              : control->rect();
                    const QString caption = button  ? button->text().remove('&')
                                            : label ? label->text()
                                                    : "";
                    const QSize ink(control->fontMetrics().boundingRect(caption).right() + 1,
                                    control->fontMetrics().height());
                    drawn[i] = label ? QStyle::alignedRect(Qt::LeftToRight, label->alignment(), ink,
                                                           label->geometry())
                                     : control->geometry();
                    // A label's text ends short of what follows it: the field, or the window's
                    // edge.
                    const bool clear =
                        !label || textEnd(label) + labelGap <=
                                      (label == w->Label2 ? w->dfDestination->x() : w->width());
                    QVERIFY2(room.size().expandedTo(ink) == room.size() &&
                                 w->rect().contains(control->geometry()) && clear,
                             qPrintable(control->objectName()));
                    for (int j = 0; j < i; ++j)
                        QVERIFY2(!drawn[i].intersects(drawn[j]), qPrintable(control->objectName()));
                }
            };
            const auto geometries = [&](QWidget* window) {
                QList<QRect> all;
                for (auto [control, _, gap] : table)
                    all.append(window->findChild<QWidget*>(control->objectName())->geometry());
                return all;
            };
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            wholeApartInside();
            // The open window is laid out as a fresh start at the new font, at the larger width of
            // the two.
            QTRY_COMPARE(std::pair(open->size(), open->minimumSize()),
                         std::pair(before.expandedTo(w->size()), w->minimumSize()));
            w->resize(open->size());
            QTRY_COMPARE(geometries(open.get()), geometries(w.get()));
            const auto shown = geometries(w.get());
            w->showMinimized(); // nothing is laid out while minimised, and all of it once restored
            w->resize(w->width() + 100, w->height() + 80);
            QCOMPARE(geometries(w.get()), shown);
            w->showNormal();
            for (int i = 0; i < 7;
                 ++i) { // nothing follows the height; the gaps are scaled with the layout
                QCOMPARE(std::pair(table[i].control->y(), table[i].control->height()),
                         std::pair(shown[i].y(), shown[i].height()));
                if (table[i].gap)
                    QCOMPARE(table[i].control->geometry().right() + 1,
                             int(std::lround(w->frameGeometry().width() -
                                             table[i].gap * w->layoutFactor() / 15)));
            }
            w->resize(10, 10); // held where every control is still whole
            wholeApartInside();
        }
    }

    void frameUnderWindowManager() // known only once the window is shown
    {
        if (QGuiApplication::platformName() == "offscreen")
            QSKIP("needs a window system with a window manager");
        w->show();
        QTRY_VERIFY_WITH_TIMEOUT(w->frameGeometry().width() > w->width(), 10000);
        QTRY_COMPARE(w->lbFilelist->geometry().right() + 1,
                     int(std::lround(w->frameGeometry().width() - 1000 / 15.0)));
    }

    void firstShow()
    {
        QVERIFY(w->dfMerge->isDefault());
        for (int size : {32, 48}) // the icon's own colours, its bytes read in their order
            QCOMPARE(w->windowIcon().pixmap(size).toImage().pixel(size / 4, size * 5 / 8),
                     QImage(QStringLiteral(ORDANEX_TEST_DATA "/../../assets/icons/ordanex-%1.png")
                                .arg(size))
                         .pixel(size / 4, size * 5 / 8));
        showActive();
        for (QWidget* next : std::initializer_list<QWidget*>{
                 w->lbFilelist, w->dfDestination, w->dfMerge, w->pbUp, w->pbDown, w->lbFilelist}) {
            QCOMPARE(QApplication::focusWidget(), next);
            QTest::keyClick(next, Qt::Key_Tab);
        }
        // Screen readers find the window as one, and name the list and the field after their
        // labels.
        for (const auto& [object, role, name] :
             {std::tuple<QObject*, QAccessible::Role, QString>(w.get(), QAccessible::Window,
                                                               "Ordanex"),
              {w->lbFilelist, QAccessible::List, "List of PDF Files to Merge (Drop Files here)"},
              {w->dfDestination, QAccessible::EditableText, "Destination:"}}) {
            QCOMPARE(QAccessible::queryAccessibleInterface(object)->role(), role);
            QCOMPARE(QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name), name);
        }
    }

    // Keys on the window, and the edges of the entry list's rules as they are reached.
    void keysAndClicks()
    {
        const Paths abc{"/ä", "/b", "/c"}, ac{"/ä", "/c"},
            bac{"/b", "/ä", "/c"}; // read back byte for byte
        const struct {
            const char* focus;
            int key, modifiers;
            Paths before;
            int selected;
            Paths entries;
            int selection;
            QString field;
            std::size_t starts;
        } cases[] = {
            {"lbFilelist", Qt::Key_Delete, Qt::ShiftModifier | Qt::ControlModifier, abc, 1, ac, 1,
             "/o.pdf", 0},
            {"dfDestination", Qt::Key_Delete, 0, abc, 1, abc, 1, "o.pdf", 0},
            {"lbFilelist", Qt::Key_U, Qt::AltModifier, abc, 1, bac, 0, "/o.pdf", 0},
            {"dfDestination",
             Qt::Key_D,
             Qt::AltModifier,
             abc,
             1,
             {"/ä", "/c", "/b"},
             2,
             "/o.pdf",
             0},
            {"lbFilelist", Qt::Key_M, Qt::AltModifier, abc, 1, abc, 1, "/o.pdf", 1},
            {"lbFilelist", Qt::Key_Return, 0, abc, 1, abc, 1, "/o.pdf", 1},
            {"dfDestination", Qt::Key_Enter, Qt::KeypadModifier, abc, 1, abc, 1, "/o.pdf", 1},
            {"pbUp", Qt::Key_Return, 0, abc, 0, abc, 0, "/o.pdf", 0},
            {"pbUp", Qt::Key_Return, 0, abc, -1, abc, -1, "/o.pdf", 0},
            {"pbDown", Qt::Key_Return, 0, abc, 2, abc, 2, "/o.pdf", 0},
            {"pbDown", Qt::Key_Return, 0, abc, -1, abc, -1, "/o.pdf", 0},
            {"lbFilelist", Qt::Key_Delete, 0, {"/a"}, 0, {}, -1, "/o.pdf", 0},
            {"lbFilelist", Qt::Key_Delete, 0, abc, 2, {"/ä", "/b"}, 1, "/o.pdf", 0},
            {"lbFilelist", Qt::Key_Delete, 0, abc, 0, {"/b", "/c"}, 0, "/o.pdf", 0},
            {"lbFilelist", Qt::Key_Delete, 0, abc, -1, abc, -1, "/o.pdf", 0},
        };
        for (const auto& c : cases) {
            make();
            showActive();
            fill(c.before, c.selected);
            w->dfDestination->setText("/o.pdf");
            w->dfDestination->setCursorPosition(0);
            auto* target = w->findChild<QWidget*>(c.focus);
            target->setFocus();
            QTest::keyClick(target, Qt::Key(c.key), Qt::KeyboardModifiers(c.modifiers));
            // An access key animates its click, which lands a moment later.
            QTRY_COMPARE(std::tuple(w->entries().entries(), w->entries().selection(),
                                    w->dfDestination->text()),
                         std::tuple(c.entries, c.selection, c.field));
            QTRY_COMPARE(starter.starts, c.starts);
        }
        QTest::mouseClick(w->lbFilelist->viewport(), Qt::LeftButton, {},
                          row(1)); // then a Ctrl+click leaves none selected
        QTest::mouseClick(w->lbFilelist->viewport(), Qt::LeftButton, Qt::ControlModifier, row(1));
        QCOMPARE(w->entries().selection(), -1);
        w->entries().select(1), w->entries().removeAt(1); // and so does removing the selected entry
        QCOMPARE(w->entries().selection(), -1);
    }

    void drops()
    {
        const QList<QUrl> one{file("/d/one.pdf")}, many(32767, file("/d/many.pdf")),
            bad(5, QUrl("file:///d/%FF"));
        const int copy = Qt::CopyAction, link = Qt::LinkAction;
        const struct {
            QList<QUrl> urls;
            int offered, taken;
            bool ontoField, filled;
            int count;
            QString field, message;
        } cases[] = {
            {{file("/d/öne.pdf"), file("/d/two.PDF"), file("/e.d/three")},
             copy,
             copy,
             false,
             false,
             3,
             "/d/öne_Out.pdf",
             ""},
            {one, copy, copy, false, true, 2, "typed", ""},
            {one, link | Qt::MoveAction, link, false, false, 1, "/d/one_Out.pdf", ""},
            {one, Qt::MoveAction, 0, false, false, 0, "typed", ""},
            {{QUrl("https://host.invalid/a.pdf")}, copy, 0, false, false, 0, "typed", ""},
            {{QUrl("https://host.invalid/a.pdf"), one[0]},
             copy,
             copy,
             false,
             false,
             1,
             "/d/one_Out.pdf",
             ""},
            {one, copy, 0, true, false, 0, "typed", ""},
            {{}, copy, copy, true, false, 0, "typedplain", ""},
            {QList{QUrl("file:///d/caf%E9.pdf"), file("/d/ok.pdf"), QUrl("file:///e/%E9%C3.pdf"),
                   file("/d/\uFFFD.pdf")} +
                 bad,
             copy, copy, false, false, 2, "/d/ok_Out.pdf",
             "7 of the dropped files were not added: their names are not valid "
             "UTF-8.\ncaf\uFFFD.pdf\n\uFFFD\uFFFD.pdf\n\uFFFD\n\uFFFD\n\uFFFD\nand 2 more"},
            {many + QList{file("/d/first out.pdf"), bad[0], file("/d/last.pdf")}, copy, copy, false,
             false, 32767, "/d/many_Out.pdf",
             "1 of the dropped files was not added: its name is not valid UTF-8.\n\uFFFD\n\n"
             "2 of the dropped files were not added: the list holds at most 32767 files.\nfirst "
             "out.pdf\nand 1 more"},
        };
        for (const auto& c : cases) {
            make();
            fill(c.filled ? Paths{"/x.pdf"} : Paths{}, c.filled - 1);
            w->dfDestination->setText("typed");
            Boxes boxes;
            QWidget* target =
                c.ontoField ? static_cast<QWidget*>(w->dfDestination) : w->lbFilelist->viewport();
            QCOMPARE(int(drag(target, c.urls, Qt::DropActions(c.offered))), c.taken);
            QCOMPARE(std::tuple(w->entries().count(), w->entries().selection(),
                                QDir::fromNativeSeparators(w->dfDestination->text())),
                     std::tuple(c.count, c.filled - 1, c.field));
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
        // In small steps, as a mouse moves, to below the last entry: the tip shows the nearest one.
        const QPoint below(row(0).x(), viewport->height() - 2);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(viewport, row(0) + (below - row(0)) * step / 4, 10);
        QTest::qWait(600); // still there once Qt's delay for hiding it has passed
        QVERIFY(QToolTip::isVisible() && QToolTip::text() == "/fourth.pdf");
        for (int i = 0; i < 4; ++i)
            w->entries().removeAt(0);
        QTest::mouseMove(
            viewport,
            {20, 10}); // over the emptied list, with no entry to read, no earlier tip shows
        QTest::qWait(600);
        QVERIFY(!QToolTip::isVisible());
    }

    void realPdftk() // found beside the program once the program has moved
    {
#ifdef _WIN32 // a recorder stands in for pdftk, with names that Windows allows
        const fs::path folder = appDirectory(), work = folder / "work", tool = folder / "pdftk.exe",
                       quote = work / u8"ü output victim.pdf";
        fs::remove_all(work), fs::remove(tool),
            fs::create_directories(work); // what an earlier run left
        const auto placeTool = [&] { fs::copy_file(ORDANEX_RECORDER, tool); };
        const QString notStarted = "File not found."; // as wine words it
#else
        const fs::path program = fs::read_symlink("/proc/self/exe"),
                       folder = fs::path(appDirectory()) / "moved", work = folder / "work",
                       tool = folder / "pdftk", quote = work / R"(a" output "victim.pdf)";
        fs::create_directories(work);
        struct Back {
            fs::path from, to;
            ~Back()
            {
                fs::current_path(to.parent_path()), fs::rename(from, to),
                    fs::remove_all(from.parent_path());
            }
        };
        fs::rename(program, folder / program.filename());
        const Back back{folder / program.filename(), program};
        const auto placeTool = [&] {
            fs::create_symlink(QStandardPaths::findExecutable("pdftk").toStdString(), tool);
        };
        const QString notStarted = "execv: No such file or directory";
#endif
        const fs::path data = ORDANEX_TEST_DATA, blank = work / "with blank.pdf",
                       out = work / "out.pdf";
        fs::copy_file(data / "one-page.pdf", quote), fs::copy_file(data / "two-pages.pdf", blank);
        DetachedStarter real;
        frmMain window(real, appDirectory);
        Boxes boxes;
        drag(window.lbFilelist->viewport(),
             {file(text(blank)), file(text(quote)), file(text(work / "a=b.pdf"))});
        window.entries().select(1);
        QTest::mouseClick(window.dfMerge, Qt::LeftButton);
        window.entries().removeAt(2);
        QTest::mouseClick(window.dfMerge, Qt::LeftButton); // with no pdftk there yet
        placeTool();
        window.dfDestination->setText(
            text(work / ".." / "work" / "with blank.pdf")); // an input, spelt otherwise
        QTest::mouseClick(window.dfMerge, Qt::LeftButton);
        QTRY_COMPARE(
            boxes.texts,
            (QStringList{
                "Only ASCI Characters in Inputfilenames allowed! ('=' is not valid)",
                "The merge tool \"" + text(tool) + "\" could not be started: " + notStarted,
                "The destination is one of the files to merge. Choose another destination."}));
        QCOMPARE(window.entries().selection(), 1);
        fs::current_path(
            work); // where a command split at the quotes would write victim.pdf, not out.pdf
        window.dfDestination->setText(text(out));
        QTest::mouseClick(window.dfMerge, Qt::LeftButton);
#ifdef _WIN32 // the exact command, in a console of its own
        const auto recorded = [&] {
            QFile record(text(tool) + ".txt");
            return record.open(QIODevice::ReadOnly)
                       ? QString::fromUtf16(
                             reinterpret_cast<const char16_t*>(record.readAll().constData()),
                             record.size() / 2)
                       : "";
        };
        QTRY_COMPARE(recorded(), "\"" + text(tool) + "\" \"" + text(blank) + "\" \"" + text(quote) +
                                     "\" output \"" + text(out) + "\"\nshown in a console\n");
#else
        const auto pages = [] {
            QProcess info;
            info.start("pdfinfo", {"-l", "9", "out.pdf"}), info.waitForFinished();
            return QString(info.readAll())
                .split('\n')
                .filter(QRegularExpression("^Page +\\d size"))
                .join(',')
                .simplified();
        };
        QTRY_COMPARE_WITH_TIMEOUT(
            pages(),
            "Page 1 size: 201 x 300 pts,Page 2 size: 202 x 300 pts,Page 3 size: 101 x 300 pts",
            20000);
#endif
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
