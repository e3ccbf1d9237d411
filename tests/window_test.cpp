// The window under Qt's offscreen platform: layout, keys, drops, tooltip,
// resizing and Merge, through the same handlers a user reaches.

#include "app/process_starter.h"
#include "pdf_fixture.h"
#include "recorders.h"
#include "window_fixture.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <random>

using namespace ordanex;
using namespace ordanex::testing;
using Paths = std::vector<std::string>;

class WindowTest : public QObject {
    Q_OBJECT

    RecordingStarter starter;
    int appDirectoryReads = 0;
    std::unique_ptr<frmMain> window;

    void fill(const Paths& paths, int selection = -1)
    {
        window->entries().addAll(paths);
        window->entries().select(selection);
    }

    void showActive()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
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
        const std::tuple<QWidget*, QRect, QString> controls[] = {
            {window->lbFilelist, {8, 32, 497, 238}, {}},
            {window->Label1, {8, 8, 225, 25}, "List of PDF Files to Merge (Drop Files here)"},
            {window->dfDestination, {80, 280, 457, 25}, {}},
            {window->Label2, {8, 280, 65, 25}, "Destination:"},
            {window->dfMerge, {456, 312, 81, 33}, "&Merge"},
            {window->pbUp, {512, 32, 41, 33}, "&Up"},
            {window->pbDown, {512, 88, 41, 33}, "&Down"},
        };
        for (const auto& [control, geometry, caption] : controls) {
            if (auto* label = qobject_cast<QLabel*>(control)) {
                // A label may only grow, to show its whole caption.
                QCOMPARE(label->geometry().topLeft(), geometry.topLeft());
                QCOMPARE(label->height(), geometry.height());
                QVERIFY(label->width() >= geometry.width());
                QCOMPARE(label->text(), caption);
            } else {
                QCOMPARE(control->geometry(), geometry);
            }
            if (auto* button = qobject_cast<QPushButton*>(control))
                QCOMPARE(button->text(), caption);
        }
        QVERIFY(window->Label2->geometry().right() < window->dfDestination->x());
        QCOMPARE(window->size(), QSize(564, 353));
        QCOMPARE(window->windowTitle(), QStringLiteral("Ordanex"));
        const QList<QSize> iconSizes = window->windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(32, 32)) && iconSizes.contains(QSize(48, 48)));

        showActive();
        QCOMPARE(QApplication::focusWidget(), window->lbFilelist);
        for (QWidget* next : {(QWidget*)window->dfDestination, (QWidget*)window->dfMerge,
                              (QWidget*)window->pbUp, (QWidget*)window->pbDown,
                              (QWidget*)window->lbFilelist}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void accessKeys()
    {
        showActive();
        fill({"/a", "/b", "/c"}, 1);
        // An access key animates a click, which lands a moment later.
        QTest::keyClick(window.get(), Qt::Key_U, Qt::AltModifier);
        QTRY_COMPARE(window->entries().entries(), (Paths{"/b", "/a", "/c"}));
        QTest::keyClick(window.get(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(window->entries().selection(), 1);
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
        showActive();
        QStringList clicks;
        for (QPushButton* button : {window->dfMerge, window->pbUp, window->pbDown})
            connect(button, &QPushButton::clicked, this, [&clicks, button] { clicks << button->objectName(); });
        auto* target = window->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QTest::keyClick(target, Qt::Key_Escape);
        QCOMPARE(clicks, QStringList{clicked});
        QVERIFY(window->isVisible());
    }

    void upDownButtons()
    {
        fill({"/a", "/b", "/c"}, 2);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(window->pbUp, Qt::LeftButton);
        QCOMPARE(stateOf(*window), (State{{"/c", "/a", "/b"}, 0, ""}));
        QTest::mouseClick(window->pbDown, Qt::LeftButton);
        QCOMPARE(stateOf(*window), (State{{"/a", "/c", "/b"}, 1, ""}));
    }

    void deleteKey_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("entriesLeft");
        QTest::newRow("plain") << "lbFilelist" << int(Qt::NoModifier) << 2;
        QTest::newRow("Shift") << "lbFilelist" << int(Qt::ShiftModifier) << 2;
        QTest::newRow("Ctrl") << "lbFilelist" << int(Qt::ControlModifier) << 2;
        QTest::newRow("in the destination") << "dfDestination" << int(Qt::NoModifier) << 3;
    }

    void deleteKey()
    {
        QFETCH(QString, focus);
        QFETCH(int, modifiers);
        QFETCH(int, entriesLeft);
        showActive();
        fill({"/a", "/b", "/c"}, 2);
        window->dfDestination->setText("/out.pdf");
        window->dfDestination->setCursorPosition(0);
        auto* target = window->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Delete, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window->entries().count(), entriesLeft);
        QCOMPARE(window->entries().selection(), entriesLeft - 1);
        QCOMPARE(window->dfDestination->text(), entriesLeft == 3 ? "out.pdf" : "/out.pdf");
    }

    void drops()
    {
        // Onto an empty list: the first file proposes the destination,
        // replacing what was typed; all are appended in the drop's order.
        window->dfDestination->setText("typed by hand");
        QSignalSpy inserts(window->lbFilelist->model(), &QAbstractItemModel::rowsInserted);
        QCOMPARE(drag(*window, filesData({"/d/one.pdf", "/d/two.PDF", "/d/three"}), Qt::CopyAction),
                 Qt::CopyAction);
        QCOMPARE(inserts.size(), 1); // one batch, however large the drop
        QCOMPARE(stateOf(*window), (State{{"/d/one.pdf", "/d/two.PDF", "/d/three"}, -1, "/d/one_Out.pdf"}));

        // Onto a filled list, even with an empty destination: appended only.
        window->entries().select(1);
        window->dfDestination->clear();
        QCOMPARE(drag(*window, filesData({"/e/four.pdf"}), Qt::CopyAction | Qt::MoveAction),
                 Qt::CopyAction);
        QCOMPARE(stateOf(*window), (State{{"/d/one.pdf", "/d/two.PDF", "/d/three", "/e/four.pdf"}, 1, ""}));

        // Emptied with Delete, the list proposes again.
        showActive();
        window->dfDestination->setText("/mine.pdf");
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(window->lbFilelist, Qt::Key_Delete);
        QCOMPARE(window->entries().count(), 0);
        drag(*window, filesData({"/new.pdf"}), Qt::LinkAction | Qt::MoveAction);
        QCOMPARE(stateOf(*window), (State{{"/new.pdf"}, -1, "/new_Out.pdf"}));
    }

    void tooltip()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        hover({30, 10});
        QCOMPARE(window->lbFilelist->toolTip(), QString());

        fill({"/first.pdf", "/second.pdf", "/d/third entry.pdf", "/fourth.pdf"});
        const QRect third = window->lbFilelist->visualRect(window->lbFilelist->model()->index(2, 0));
        const QSize viewport = window->lbFilelist->viewport()->size();
        const std::pair<QPoint, QString> cases[] = {
            {third.center(), "/d/third entry.pdf"},
            {{third.center().x(), viewport.height() - 2}, "/fourth.pdf"}, // below the last
            {{viewport.width() - 2, third.center().y()}, "/d/third entry.pdf"},
        };
        for (const auto& [at, tip] : cases) {
            hover(at);
            QCOMPARE(window->lbFilelist->toolTip(), tip);
        }
    }

    void resizing()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const auto checkGaps = [this] {
            // 1000 twips from the list to the outer right edge, 200 for the others.
            const auto gap = [this](QWidget* w) {
                return window->frameGeometry().width() - (w->x() + w->width());
            };
            QVERIFY(qAbs(gap(window->lbFilelist) - 1000 / 15.0) <= 1);
            for (QWidget* w : {(QWidget*)window->dfDestination, (QWidget*)window->pbUp, (QWidget*)window->pbDown})
                QVERIFY(qAbs(gap(w) - 200 / 15.0) <= 1);
        };
        checkGaps();
        const QRect list = window->lbFilelist->geometry();
        const QRect field = window->dfDestination->geometry();
        const QRect up = window->pbUp->geometry();
        const QRect merge = window->dfMerge->geometry();

        for (int dx : {100, -15, 0}) { // wider, narrower, taller only
            window->resize(564 + dx, 353 + (dx == 0 ? 80 : 0));
            QTRY_COMPARE(window->width(), 564 + dx);
            checkGaps();
            QCOMPARE(window->lbFilelist->geometry(), list.adjusted(0, 0, dx, 0));
            QCOMPARE(window->dfDestination->geometry(), field.adjusted(0, 0, dx, 0));
            QCOMPARE(window->pbUp->geometry(), up.translated(dx, 0));
            QCOMPARE(window->dfMerge->geometry(), merge);
        }

        window->resize(10, 10); // held at the minimum, where every control is whole
        QTRY_COMPARE(window->size(), frmMain::minimumClientSize());
        for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(window->rect().contains(w->geometry()) && w->width() > 0, qPrintable(w->objectName()));

        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        const QRect whileMinimised = window->lbFilelist->geometry();
        window->resize(640, 353);
        QCOMPARE(window->lbFilelist->geometry(), whileMinimised);
        window->showNormal();
        QTRY_VERIFY(!window->isMinimized());
        checkGaps();
    }

    // The list box as storage must follow the same rules as plain memory,
    // whatever the view does on its own when rows come and go.
    void listBoxStorageAgreesWithMemory()
    {
        window->show();
        MemoryEntryList memory;
        EntryList& box = window->entries();
        std::mt19937 random(7);
        for (int step = 0; step < 5000; ++step) {
            const int index = int(random() % 12) - 1;
            const std::string text = std::to_string(step);
            switch (random() % 6) {
            case 0: box.add(text); memory.add(text); break;
            case 1: box.select(index); memory.select(index); break;
            case 2: box.moveUp(); memory.moveUp(); break;
            case 3: box.moveDown(); memory.moveDown(); break;
            case 4: box.removeSelected(); memory.removeSelected(); break;
            case 5: box.removeAt(index); memory.removeAt(index); break;
            }
            QCOMPARE(box.entries(), memory.entries());
            QCOMPARE(box.selection(), memory.selection());
        }
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
                 (Paths{"/opt/ordanex/pdftk", "/d/b.pdf", "/d/my a.pdf", "output", "/d/a_Out.pdf"}));
        QCOMPARE(stateOf(*window), (State{{"/d/b.pdf", "/d/my a.pdf"}, 1, "/d/a_Out.pdf"}));
    }

    void realPdftkThroughTheWindow()
    {
        TempDir tool("window-tool");
        std::filesystem::create_symlink("/usr/bin/pdftk", tool.path() / "pdftk");
        TempDir work("window-join");
        writePdf(work / "a.pdf", {110});
        writePdf(work / "b.pdf", {220, 221});

        DetachedStarter real;
        frmMain w(real, [&] { return tool.path().string(); });
        drag(w, filesData({work / "b.pdf", work / "a.pdf"}), Qt::CopyAction);
        QCOMPARE(w.dfDestination->text(), QString::fromStdString(work / "b_Out.pdf"));
        QTest::mouseClick(w.dfMerge, Qt::LeftButton);
        QVERIFY(waitForPdf(work / "b_Out.pdf"));
        QCOMPARE(pageWidths(work / "b_Out.pdf"), (std::vector<int>{220, 221, 110}));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
