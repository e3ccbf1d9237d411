// The window under Qt's offscreen platform: layout, keys, drops, tooltip,
// resizing and Merge, through the same handlers a user reaches.

#include "app/process_starter.h"
#include "core/merge_command.h"
#include "pdf_fixture.h"
#include "ui/file_list_box.h"
#include "ui/main_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <optional>

using namespace ordanex;

namespace {

struct RecordingStarter : ProgramStarter {
    std::vector<CommandLine> starts;
    StartResult answer{true, {}};
    StartResult start(const CommandLine& command) override
    {
        starts.push_back(command);
        return answer;
    }
};

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Closes the next modal message box once it is up, and tells what it showed.
class BoxCloser {
public:
    BoxCloser()
    {
        QTimer::singleShot(0, [this] { poll(); });
    }
    std::optional<SeenBox> seen;

private:
    void poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, [this] { poll(); });
            return;
        }
        seen = SeenBox{box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->button(QMessageBox::Ok)->click();
    }
};

struct State {
    std::vector<std::string> entries;
    int selection;
    QString destination;
    bool operator==(const State&) const = default;
};

QMimeData* filesData(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    RecordingStarter starter;
    int appDirectoryReads = 0;
    std::unique_ptr<frmMain> window;

    State state() const
    {
        return {window->entries().entries(), window->entries().selection(),
                window->dfDestination->text()};
    }

    void fill(const std::vector<std::string>& paths, int selection = -1)
    {
        window->entries().addAll(paths);
        window->entries().select(selection);
    }

    // Sends a whole drag (enter, move, drop) to the list's viewport.
    // Returns the action taken, or IgnoreAction when the drop was refused.
    Qt::DropAction drag(QMimeData* data, Qt::DropActions offered)
    {
        QWidget* viewport = window->lbFilelist->viewport();
        const QPoint at(20, 20);
        QDragEnterEvent enter(at, offered, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, offered, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QDropEvent drop(at, offered, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        const bool refused = !enter.isAccepted() || !move.isAccepted() || !drop.isAccepted();
        delete data;
        return refused ? Qt::IgnoreAction : drop.dropAction();
    }

    void hover(QPoint at)
    {
        QWidget* viewport = window->lbFilelist->viewport();
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }

private slots:
    void init()
    {
        starter = RecordingStarter{};
        appDirectoryReads = 0;
        window = std::make_unique<frmMain>(starter, [this] {
            ++appDirectoryReads;
            return std::string("/opt/ordanex");
        });
    }

    void cleanup() { window.reset(); }

    void firstShowLayout()
    {
        struct Expected {
            QWidget* control;
            QRect geometry;
            QString caption;
        };
        const Expected controls[] = {
            {window->lbFilelist, {8, 32, 497, 238}, {}},
            {window->Label1, {8, 8, 225, 25}, "List of PDF Files to Merge (Drop Files here)"},
            {window->dfDestination, {80, 280, 457, 25}, {}},
            {window->Label2, {8, 280, 65, 25}, "Destination:"},
            {window->dfMerge, {456, 312, 81, 33}, "&Merge"},
            {window->pbUp, {512, 32, 41, 33}, "&Up"},
            {window->pbDown, {512, 88, 41, 33}, "&Down"},
        };
        for (const Expected& e : controls) {
            const QRect g = e.control->geometry();
            if (auto* label = qobject_cast<QLabel*>(e.control)) {
                // A label may only grow to show its whole caption.
                QCOMPARE(g.topLeft(), e.geometry.topLeft());
                QCOMPARE(g.height(), e.geometry.height());
                QVERIFY(g.width() >= e.geometry.width());
                QCOMPARE(label->text(), e.caption);
            } else {
                QCOMPARE(g, e.geometry);
            }
            if (auto* button = qobject_cast<QPushButton*>(e.control))
                QCOMPARE(button->text(), e.caption);
        }
        QVERIFY(window->Label2->geometry().right() < window->dfDestination->x());
        QCOMPARE(window->size(), QSize(564, 353));
        QCOMPARE(window->windowTitle(), QStringLiteral("Ordanex"));
        const QList<QSize> iconSizes = window->windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(32, 32)) && iconSizes.contains(QSize(48, 48)));

        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), window->lbFilelist);
        const QWidget* order[] = {window->dfDestination, window->dfMerge, window->pbUp,
                                  window->pbDown, window->lbFilelist};
        for (const QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void accessKeys()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        fill({"/a", "/b", "/c"}, 1);
        // An access key animates a click, which lands a moment later.
        QTest::keyClick(window.get(), Qt::Key_U, Qt::AltModifier);
        QTRY_COMPARE(window->entries().entries(), (std::vector<std::string>{"/b", "/a", "/c"}));
        QTest::keyClick(window.get(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(window->entries().selection(), 1);
        QCOMPARE(window->entries().entries(), (std::vector<std::string>{"/a", "/b", "/c"}));
        QTest::keyClick(window.get(), Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(starter.starts.size(), std::size_t(1));
    }

    void enterKey_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("clicked");
        QTest::newRow("list") << "lbFilelist" << int(Qt::Key_Return) << "dfMerge";
        QTest::newRow("list, keypad") << "lbFilelist" << int(Qt::Key_Enter) << "dfMerge";
        QTest::newRow("destination") << "dfDestination" << int(Qt::Key_Return) << "dfMerge";
        QTest::newRow("Up") << "pbUp" << int(Qt::Key_Return) << "pbUp";
        QTest::newRow("Down") << "pbDown" << int(Qt::Key_Return) << "pbDown";
    }

    void enterKey()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, clicked);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        std::map<QString, int> clicks;
        for (QPushButton* button : {window->dfMerge, window->pbUp, window->pbDown})
            connect(button, &QPushButton::clicked, this, [&clicks, button] { ++clicks[button->objectName()]; });
        auto* target = window->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(clicks, (std::map<QString, int>{{clicked, 1}}));
    }

    void escapeKeepsTheWindowOpen()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window->lbFilelist, Qt::Key_Escape);
        QVERIFY(window->isVisible());
    }

    void upDownButtons()
    {
        fill({"/a", "/b", "/c"}, 2);
        QTest::mouseClick(window->pbUp, Qt::LeftButton);
        QTest::mouseClick(window->pbUp, Qt::LeftButton);
        QTest::mouseClick(window->pbUp, Qt::LeftButton);
        QCOMPARE(state(), (State{{"/c", "/a", "/b"}, 0, ""}));
        QTest::mouseClick(window->pbDown, Qt::LeftButton);
        QCOMPARE(state(), (State{{"/a", "/c", "/b"}, 1, ""}));
        QCOMPARE(window->lbFilelist->currentRow(), 1);
    }

    void deleteKey_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::newRow("plain") << int(Qt::NoModifier);
        QTest::newRow("Shift") << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl") << int(Qt::ControlModifier);
    }

    void deleteKey()
    {
        QFETCH(int, modifiers);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        fill({"/a", "/b", "/c"}, 2);
        QTest::keyClick(window->lbFilelist, Qt::Key_Delete, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(state(), (State{{"/a", "/b"}, 1, ""}));
    }

    void deleteInDestinationLeavesTheList()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        fill({"/a", "/b"}, 0);
        window->dfDestination->setText("/out.pdf");
        window->dfDestination->setFocus();
        window->dfDestination->setCursorPosition(0);
        QTest::keyClick(window->dfDestination, Qt::Key_Delete);
        QCOMPARE(state(), (State{{"/a", "/b"}, 0, "out.pdf"}));
    }

    void dropOntoEmptyList()
    {
        window->dfDestination->setText("typed by hand");
        QCOMPARE(drag(filesData({"/d/one.pdf", "/d/two.PDF", "/d/three"}), Qt::CopyAction),
                 Qt::CopyAction);
        QCOMPARE(state(), (State{{"/d/one.pdf", "/d/two.PDF", "/d/three"}, -1, "/d/one_Out.pdf"}));
    }

    void dropOntoFilledList()
    {
        fill({"/a.pdf"}, 0);
        QCOMPARE(drag(filesData({"/b.pdf", "/folder"}), Qt::CopyAction | Qt::MoveAction),
                 Qt::CopyAction);
        QCOMPARE(state(), (State{{"/a.pdf", "/b.pdf", "/folder"}, 0, ""}));
    }

    void dropAfterEmptyingTheList()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        fill({"/a.pdf"}, 0);
        window->dfDestination->setText("/mine.pdf");
        QTest::keyClick(window->lbFilelist, Qt::Key_Delete);
        drag(filesData({"/new.pdf"}), Qt::CopyAction);
        QCOMPARE(state(), (State{{"/new.pdf"}, -1, "/new_Out.pdf"}));
    }

    void dropsThatAreRefused_data()
    {
        QTest::addColumn<bool>("files");
        QTest::addColumn<int>("offered");
        QTest::newRow("text only") << false << int(Qt::CopyAction);
        QTest::newRow("move only") << true << int(Qt::MoveAction);
    }

    void dropsThatAreRefused()
    {
        QFETCH(bool, files);
        QFETCH(int, offered);
        fill({"/a.pdf"}, 0);
        window->dfDestination->setText("/o.pdf");
        auto* data = files ? filesData({"/x.pdf"}) : new QMimeData;
        if (!files)
            data->setText("/x.pdf");
        QCOMPARE(drag(data, Qt::DropActions(offered)), Qt::IgnoreAction);
        QCOMPARE(state(), (State{{"/a.pdf"}, 0, "/o.pdf"}));
    }

    void dropOfferedAsLinkOrMoveIsLinked()
    {
        QCOMPARE(drag(filesData({"/x.pdf"}), Qt::LinkAction | Qt::MoveAction), Qt::LinkAction);
        QCOMPARE(window->entries().count(), 1);
    }

    void dropPastTheLimitSaysWhatWasLeftOut()
    {
        fill(std::vector<std::string>(EntryList::kMaxEntries - 2, "/p.pdf"), 3);
        window->dfDestination->setText("/o.pdf");
        BoxCloser closer;
        drag(filesData({"/1.pdf", "/2.pdf", "/3.pdf", "/4.pdf", "/5.pdf"}), Qt::CopyAction);
        QVERIFY(closer.seen);
        QCOMPARE(closer.seen->text, QStringLiteral(
            "3 of the dropped files were not added: the list holds at most 32767 files."));
        QCOMPARE(window->entries().count(), EntryList::kMaxEntries);
        QCOMPARE(window->entries().text(EntryList::kMaxEntries - 1), "/2.pdf");
        QCOMPARE(window->entries().selection(), 3);
        QCOMPARE(window->dfDestination->text(), QStringLiteral("/o.pdf"));
    }

    void tooltip()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        hover({30, 10});
        QCOMPARE(window->lbFilelist->toolTip(), QString());

        fill({"/first.pdf", "/second.pdf", "/d/third entry.pdf", "/fourth.pdf"});
        const QRect third = window->lbFilelist->visualRect(window->lbFilelist->model()->index(2, 0));
        hover(third.center());
        QCOMPARE(window->lbFilelist->toolTip(), QStringLiteral("/d/third entry.pdf"));
        hover({third.center().x(), window->lbFilelist->viewport()->height() - 2});
        QCOMPARE(window->lbFilelist->toolTip(), QStringLiteral("/fourth.pdf"));
        hover({window->lbFilelist->viewport()->width() - 2, third.center().y()});
        QCOMPARE(window->lbFilelist->toolTip(), QStringLiteral("/d/third entry.pdf"));
    }

    void resizing()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const auto rightGap = [this](QWidget* w) {
            return window->frameGeometry().width() - (w->x() + w->width());
        };
        const auto checkGaps = [&] {
            // 1000 twips to the outer edge for the list, 200 for the others.
            QVERIFY(qAbs(rightGap(window->lbFilelist) - 1000 / 15.0) <= 1);
            for (QWidget* w : {(QWidget*)window->dfDestination, (QWidget*)window->pbUp,
                               (QWidget*)window->pbDown})
                QVERIFY(qAbs(rightGap(w) - 200 / 15.0) <= 1);
        };
        checkGaps();
        const QRect list = window->lbFilelist->geometry();
        const QRect field = window->dfDestination->geometry();
        const QRect up = window->pbUp->geometry();
        const QRect merge = window->dfMerge->geometry();

        for (int dx : {100, -15, 0}) {
            window->resize(564 + dx, 353 + (dx == 0 ? 80 : 0));
            QTRY_COMPARE(window->width(), 564 + dx);
            checkGaps();
            QCOMPARE(window->lbFilelist->geometry(), list.adjusted(0, 0, dx, 0));
            QCOMPARE(window->dfDestination->geometry(), field.adjusted(0, 0, dx, 0));
            QCOMPARE(window->pbUp->geometry(), up.translated(dx, 0));
            QCOMPARE(window->dfMerge->geometry(), merge);
        }

        window->resize(10, 10); // held at the minimum: every control stays whole
        QTRY_COMPARE(window->size(), frmMain::minimumClientSize());
        for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(window->rect().contains(w->geometry()), qPrintable(w->objectName()));
            QVERIFY(w->width() > 0);
        }

        window->resize(700, 353);
        QTRY_COMPARE(window->width(), 700);
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        const QRect whileMinimised = window->lbFilelist->geometry();
        window->resize(640, 353);
        QCOMPARE(window->lbFilelist->geometry(), whileMinimised);
        window->showNormal();
        QTRY_VERIFY(!window->isMinimized());
        checkGaps();
    }

    void mergeHandsOverTheEntriesAndDestination()
    {
        fill({"/d/b.pdf", "/d/my a.pdf"}, 1);
        window->dfDestination->setText("/d/a_Out.pdf");
        QTest::mouseClick(window->dfMerge, Qt::LeftButton);
        QTest::mouseClick(window->dfMerge, Qt::LeftButton);
        QCOMPARE(appDirectoryReads, 2);
        QCOMPARE(starter.starts.size(), std::size_t(2));
        QCOMPARE(starter.starts[1].arguments,
                 (std::vector<std::string>{"/opt/ordanex/pdftk", "/d/b.pdf", "/d/my a.pdf", "output",
                                           "/d/a_Out.pdf"}));
        QCOMPARE(state(), (State{{"/d/b.pdf", "/d/my a.pdf"}, 1, "/d/a_Out.pdf"}));
    }

    void mergeMessages_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("startFails");
        QTest::addColumn<QString>("message");
        QTest::newRow("equals sign") << "/d/x=1.pdf" << false
            << "Only ASCI Characters in Inputfilenames allowed! ('=' is not valid)";
        QTest::newRow("start fails") << "/d/<b>x</b>.pdf" << true
            << "The merge tool \"/opt/ordanex/pdftk\" could not be started: No such file or directory";
    }

    void mergeMessages()
    {
        QFETCH(QString, entry);
        QFETCH(bool, startFails);
        QFETCH(QString, message);
        if (startFails)
            starter.answer = {false, "No such file or directory"};
        fill({"/d/a.pdf", entry.toStdString()}, 0);
        window->dfDestination->setText("/d/o.pdf");
        const State before = state();

        BoxCloser closer;
        window->dfMerge_Click();
        QVERIFY(closer.seen);
        QCOMPARE(closer.seen->title, QStringLiteral("Ordanex"));
        QCOMPARE(closer.seen->text, message);
        QCOMPARE(closer.seen->icon, QMessageBox::NoIcon);
        QCOMPARE(closer.seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(starter.starts.size(), std::size_t(startFails ? 1 : 0));
        QCOMPARE(state(), before);
    }

    void realPdftkThroughTheWindow()
    {
        testing::TempDir tool("window-tool");
        std::filesystem::create_symlink("/usr/bin/pdftk", tool.path() / "pdftk");
        testing::TempDir work("window-join");
        testing::writePdf(work / "a.pdf", {110});
        testing::writePdf(work / "b.pdf", {220, 221});

        DetachedStarter real;
        frmMain w(real, [&] { return tool.path().string(); });
        window.reset();
        QWidget* viewport = w.lbFilelist->viewport();
        auto* data = filesData({QString::fromStdString(work / "b.pdf"),
                                QString::fromStdString(work / "a.pdf")});
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDropEvent drop({5, 5}, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        delete data;
        QCOMPARE(w.dfDestination->text(), QString::fromStdString(work / "b_Out.pdf"));

        QTest::mouseClick(w.dfMerge, Qt::LeftButton);
        QVERIFY(testing::waitForPdf(work / "b_Out.pdf"));
        QCOMPARE(testing::pageWidths(work / "b_Out.pdf"), (std::vector<int>{220, 221, 110}));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
