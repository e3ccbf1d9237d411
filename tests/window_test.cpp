// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a user meets it, under Qt's offscreen platform and under X with a window manager.

#include "app/app_directory.h"
#include "app/disk.h"
#include "app/tool_starter.h"
#include "app/translations.h"
#include "ui/file_list_box.h"
#include "ui/main_window.h"
#include "ui/window_layout.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <filesystem>
#include <fstream>

using namespace ordanex;
using Paths = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

// Whether a button's caption and icon are drawn whole, in the middle of the
// room its frame leaves.
bool centred(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect room = button->style()
                           ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                           .adjusted(2, 2, -2, -2);
    const QImage drawn = button->grab().toImage().copy(room);
    int left = drawn.width(), right = -1;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (qGray(drawn.pixel(x, y)) < 96) // ink, not the frame's greys
                left = std::min(left, x), right = std::max(right, x);
        }
    }
    return right > left && std::abs(left - (drawn.width() - 1 - right)) <= 4;
}

// Closes message boxes as a user would, once `closing` allows for the text,
// and keeps their texts, marking a box that is not the program's plain one,
// with words that can be copied, or not the only one open. The question
// whether to replace a file is answered as `replace` says, and marked.
struct Boxes : QTimer {
    QStringList texts, buttons; // the default one's

    bool replace = false;
    explicit Boxes(std::function<bool(const QString&)> closing = [](const QString&) {
        return true;
    })
    {
        connect(this, &QTimer::timeout, [this, closing] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            // Looked at once it is drawn.
            if (box && box->windowHandle() && box->windowHandle()->isExposed() &&
                closing(box->text())) {
                const auto copied = Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
                const QAbstractButton* cancel = box->button(QMessageBox::Cancel);
                QTest::keySequence(box->focusWidget() ? box->focusWidget() : box,
                                   QKeySequence::Copy);
                const bool asked =
                    cancel && box->buttons().size() == 2 && box->defaultButton() == cancel &&
                    box->escapeButton() == cancel && box->buttons().front()->text() == "&Replace";
                const bool plain =
                    box->windowTitle() == "Ordanex" && box->icon() == QMessageBox::NoIcon &&
                    box->textFormat() == Qt::PlainText &&
                    (asked || box->standardButtons() == QMessageBox::Ok) &&
                    (box->textInteractionFlags() & copied) == copied &&
                    std::ranges::all_of(box->buttons(), centred) &&
                    QGuiApplication::clipboard()->text().contains(box->text()) &&
                    std::ranges::count_if(QApplication::topLevelWidgets(), [](QWidget* top) {
                        return qobject_cast<QMessageBox*>(top) && top->isVisible();
                    }) == 1;
                texts.append((plain ? asked ? "ASKED: " : "" : "NOT PLAIN: ") + box->text());
                buttons.append(box->defaultButton()->text());
                if (asked && replace)
                    box->buttons().front()->click();
                else
                    QTest::keyClick(box, asked ? Qt::Key_Escape : Qt::Key_Return);
            }
        });
        start(5);
    }
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    struct : ToolStarter {
        std::size_t starts = 0;
        bool passesUnchanged(std::string_view) const override { return true; }
        StartResult start(const CommandLine&, EndHandler) override
        {
            ++starts;
            return {true, {}};
        }
    } starter;
    LocalDisk disk;
    std::unique_ptr<frmMain> w;

    static QString text(const fs::path& p) { return QString::fromStdU16String(p.u16string()); }
    // A value put into a text, set apart to read left to right.
    static QString lr(const QString& value) { return u'\u2066' + value + u'\u2069'; }
    // The first of this process's children, ended or not; 0 where it has none.
    static int firstChild()
    {
        const auto self = std::to_string(QCoreApplication::applicationPid());
        std::ifstream children("/proc/self/task/" + self + "/children");
        int pid = 0;
        children >> pid;
        return pid;
    }
    static QUrl file(const QString& path) { return QUrl::fromLocalFile(path); }
    // What a file manager offers, its links also as text, and as cut; or plain text.
    static QMimeData* offer(const QList<QUrl>& urls)
    {
        auto* data = new QMimeData;
        if (!urls.isEmpty())
            data->setUrls(urls);
        data->setText(urls.isEmpty() ? "plain" : urls[0].toString());
        data->setData("x-special/gnome-copied-files", "cut\n" + data->text().toUtf8());
        return data;
    }
    // A whole drag of it to the right of any text in the field, returning the
    // action taken; or, with a key, a paste of it from the clipboard.
    static Qt::DropAction drag(QWidget* target, const QList<QUrl>& urls,
                               int offered = Qt::CopyAction, int key = 0)
    {
        if (key) {
            QGuiApplication::clipboard()->setMimeData(offer(urls));
            QTest::keySequence(target, QKeySequence(key));
            return Qt::IgnoreAction;
        }
        const std::unique_ptr<QMimeData> data(offer(urls));
        QDragEnterEvent enter({200, 10}, Qt::DropActions(offered), data.get(), Qt::LeftButton, {});
        QDropEvent drop({200, 10}, Qt::DropActions(offered), data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QApplication::sendEvent(target, &drop);
        return enter.isAccepted() && drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }
    void make(int points = 9) // the font the layout was designed for
    {
        QApplication::setFont(QFont("DejaVu Sans", points));
        starter.starts = 0;
        w = std::make_unique<frmMain>(starter, disk, [] { return std::string("/opt/ordanex"); });
    }
    void fill(const Paths& paths, int selection = -1) // from a selection, so clearing counts
    {
        w->entries().addAll(paths);
        w->entries().select(0);
        w->entries().select(selection);
    }
    QPoint row(int i) { return w->lbFilelist->visualItemRect(w->lbFilelist->item(i)).center(); }
    void showActive()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    // The controls in the order they were made: the list, its caption, the
    // field, its label, Merge, Up, Down.
    static QList<QRect> geometries(const QWidget& window)
    {
        QList<QRect> all;
        for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            all.append(control->geometry());
        return all;
    }
    // Every caption whole inside its control, every control inside the
    // window, and each label's text short of what follows it by a quarter
    // of the font's height: the field, or the window's edge. Right to left,
    // all of it mirrored.
    void wholeAndClear()
    {
        const auto read = [this](const QWidget* control) {
            return QStyle::visualRect(w->layoutDirection(), w->rect(), control->geometry());
        };
        for (QWidget* control : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            auto* button = qobject_cast<QPushButton*>(control);
            const QFontMetrics metrics = control->fontMetrics();
            QStyleOptionButton option;
            option.initFrom(control);
            const QRect room = button ? button->style()->subElementRect(
                                            QStyle::SE_PushButtonContents, &option, button)
                                      : control->rect();
            const QString caption = control->property("text").toString().remove('&');
            const int ink = metrics.boundingRect(caption).right() + 1;
            QVERIFY2(ink <= room.width() && metrics.height() <= room.height() &&
                         w->rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
            const int next = control == w->Label2 ? read(w->dfDestination).x() : w->width();
            QVERIFY2(!qobject_cast<QLabel*>(control) ||
                         read(control).x() + ink + (metrics.height() + 3) / 4 <= next,
                     qPrintable(control->objectName()));
        }
    }

    std::unique_ptr<Translations> language;
    void speak(const char* locale)
    {
        language.reset();
        language = std::make_unique<Translations>(QLocale(locale));
        language->install();
    }

private slots:
    void initTestCase() { speak("C"); }
    void init() { make(); }

    void layout()
    {
        // From what the fonts and style measure, the factor that makes every caption whole.
        const struct {
            layout::Measures measures;
            double factor;
        } cases[] = {
            {{.captionInk = 600, .textHeight = 20}, 605 * 15 / 8055.0},
            {{.fieldLabelInk = 90, .designLabelInk = 100}, 1.25},
            {{.fieldLabelInk = 500, .designLabelInk = 72, .textHeight = 4}, 501 * 15 / 6720.0},
            {{.fieldHeight = 30}, 1.2},
            {{.buttonFrame = {20, 4}, .buttonText = {{{}, {}, {35, 0}}}}, 55 / 41.0},
            {{.buttonFrame = {2, 20}, .buttonText = {{{}, {20, 46}, {}}}}, 2},
        };
        for (const auto& [measures, factor] : cases)
            QCOMPARE(layout::fitFactor(measures), factor);

        // Open while the desktop's font changes: hidden at the first change,
        // and maximised at the last, which needs more than the screen's width
        // but not as its least width.
        const std::unique_ptr<frmMain> open = std::move(w);
        for (int points : {8, 9, 11, 14, 10, 12, 13}) {
            if (points == 13) {
                const QSize normal = open->size();
                open->showMaximized();
                QTRY_VERIFY(open->size() != normal);
            }
            const QSize before = open->size();
            make(points);
            open->show();
            // At the design's font, before the window follows its width, the
            // buttons where they were designed; and the field too, where the
            // design leaves room enough after "Destination:".
            if (points <= 9) {
                QCOMPARE(w->size(), QSize(564, 353));
                QCOMPARE(geometries(*w).mid(4),
                         (QList<QRect>{{456, 312, 81, 33}, {512, 32, 41, 33}, {512, 88, 41, 33}}));
            }
            if (points == 8)
                QCOMPARE(w->dfDestination->geometry(), QRect(80, 280, 457, 25));
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            wholeAndClear();
            // The open window is laid out as a fresh start at the new font,
            // at the larger size of the two; a maximised one keeps its size.
            const QSize fit = open->isMaximized() ? before : before.expandedTo(w->size());
            QTRY_COMPARE(std::tuple(open->size(), open->minimumSize(), open->isMaximized()),
                         std::tuple(fit, w->minimumSize(), points == 13));
            w->resize(open->size());
            QTRY_COMPARE(geometries(*open), geometries(*w));

            // Nothing is laid out while minimised, and all of it once restored.
            w->showMinimized();
            w->resize(w->width() + 100, w->height() + 80);
            QCOMPARE(geometries(*w), geometries(*open));
            w->showNormal();
            // The list and the field follow the outer width at scaled gaps,
            // and Up and Down keep theirs; nothing follows the height.
            const QList<QRect> now = geometries(*w);
            const auto right = [&](double gapTwips) {
                return int(
                    std::lround(w->frameGeometry().width() - gapTwips * w->layoutFactor() / 15));
            };
            QCOMPARE(std::tuple(now[0].height(), now[0].right() + 1, now[2].right() + 1,
                                now[5].right() + 1, now[6].right() + 1),
                     std::tuple(open->lbFilelist->height(), right(1000), right(200), right(200),
                                right(200)));
            w->resize(10, 10); // held where every control is still whole
            wholeAndClear();
        }
    }

    void firstShow()
    {
        QVERIFY(w->dfMerge->isDefault());
        // The icon's pixels as drawn: a blue grey at the page's edge.
        QCOMPARE(w->windowIcon().pixmap(32).toImage().pixelColor(4, 8), QColor(0xdf, 0xe6, 0xf1));
        // Screen readers find the window as one, name the list and the field
        // after their labels, and tell how files reach the list.
        const QString howTo = "Drop files here from the file manager, or copy them there and "
                              "paste them here with Ctrl+V.";
        for (auto [object, role, name, description] :
             {std::tuple<QObject*, int, QString, QString>{w.get(), QAccessible::Window, "Ordanex",
                                                          ""},
              {w->lbFilelist, QAccessible::List, "List of PDF Files to Merge (Drop Files here)",
               howTo},
              {w->dfDestination, QAccessible::EditableText, "Destination:", ""}}) {
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(object);
            QCOMPARE(std::tuple(int(reader->role()), reader->text(QAccessible::Name),
                                reader->text(QAccessible::Description)),
                     std::tuple(role, name, description));
        }
        // Tab goes through the controls in order. The first Tab into the field
        // moves no caret: screen readers take a caret move just before the
        // focus as the focus, and say nothing.
        QSignalSpy caret(w->dfDestination, &QLineEdit::cursorPositionChanged);
        showActive();
        QStringList order;
        for (QWidget* focus = w->lbFilelist; focus && order.size() < 4;) {
            QTest::keyClick(focus, Qt::Key_Tab);
            focus = QApplication::focusWidget();
            order.append(focus ? focus->objectName() : "no focus");
        }
        QCOMPARE(
            std::pair(order, caret.count()),
            std::pair(QStringList{"dfDestination", "dfMerge", "pbUp", "pbDown"}, qsizetype(0)));
    }

    // Keys on the window, and the edges of the entry list's rules as they are
    // reached. Non-ASCII entries are read back byte for byte.
    void keysAndClicks()
    {
        const Paths abc{"/ä", "/b", "/c"};
        const int alt = Qt::AltModifier, shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
        const struct {
            const char* focus;
            int key, modifiers;
            Paths before;
            int selected;
            Paths entries;
            int selection;
            std::size_t starts;
            int repeats = 0; // of the key, held
        } cases[] = {
            {"lbFilelist", Qt::Key_Delete, shiftCtrl, abc, 1, {"/ä", "/c"}, 1, 0},
            {"dfDestination", Qt::Key_Delete, 0, abc, 1, abc, 1, 0},
            {"lbFilelist", Qt::Key_U, alt, abc, 1, {"/b", "/ä", "/c"}, 0, 0},
            {"dfDestination", Qt::Key_D, alt, abc, 1, {"/ä", "/c", "/b"}, 2, 0},
            {"lbFilelist", Qt::Key_Return, 0, abc, 1, abc, 1, 1, 3},
            {"dfMerge", Qt::Key_Return, 0, abc, 1, abc, 1, 1, 3},
            {"dfDestination", Qt::Key_M, alt, abc, 1, abc, 1, 1, 3},
            {"lbFilelist", Qt::Key_U, alt, abc, 2, {"/c", "/ä", "/b"}, 0, 0, 1},
            {"dfDestination", Qt::Key_Enter, Qt::KeypadModifier, abc, 1, abc, 1, 1},
            {"pbUp", Qt::Key_Return, 0, abc, 0, abc, 0, 0},
            {"pbDown", Qt::Key_Return, 0, abc, 2, abc, 2, 0},
            {"pbDown", Qt::Key_Return, 0, abc, -1, abc, -1, 0},
            {"lbFilelist", Qt::Key_Delete, 0, {"/a"}, 0, {}, -1, 0},
            {"lbFilelist", Qt::Key_Delete, 0, abc, 2, {"/ä", "/b"}, 1, 0},
            {"lbFilelist", Qt::Key_Delete, 0, abc, -1, abc, -1, 0},
        };
        for (const auto& c : cases) {
            make();
            showActive();
            fill(c.before, c.selected);
            w->dfDestination->setText(QDir::rootPath() + "d/out.pdf"); // full on any system
            Boxes boxes;
            auto* target = w->findChild<QWidget*>(c.focus);
            target->setFocus();
            const auto modifiers = Qt::KeyboardModifiers(c.modifiers);
            QTest::keyPress(target, Qt::Key(c.key), modifiers);
            // Repeats as some systems send them: presses with no release
            // between, and no mark of a repeat.
            for (int i = 0; i < c.repeats; ++i)
                QTest::simulateEvent(target, true, c.key, modifiers, {}, false, 20);
            QTest::keyRelease(target, Qt::Key(c.key), modifiers);
            // An access key animates its click, which lands a moment later.
            QTRY_COMPARE(std::tuple(w->entries().entries(), w->entries().selection(),
                                    starter.starts, boxes.texts),
                         std::tuple(c.entries, c.selection, c.starts, QStringList()));
        }
    }

    void drops()
    {
        const QList<QUrl> one{file("/d/one.pdf")}, many(32767, file("/d/many.pdf"));
        const QList<QUrl> bad(5, QUrl("file:///d/%FF"));
        const QUrl web("https://host.invalid/a.pdf");
        const int copy = Qt::CopyAction, link = Qt::LinkAction, move = Qt::MoveAction;
        const QString badNames = "7 of the dropped files were not added: their names are not "
                                 "valid UTF-8.\n" +
                                 lr("caf\uFFFD.pdf") + "\n" + lr("\uFFFD\uFFFD.pdf") + "\n" +
                                 lr("\uFFFD") + "\n" + lr("\uFFFD") + "\n" + lr("\uFFFD") +
                                 "\nand 2 more";
        const QString overLimit =
            "1 of the dropped files was not added: its name is not valid UTF-8.\n" + lr("\uFFFD") +
            "\n\n2 of the dropped files were not added: the list holds at most " + lr("32767") +
            " files.\n" + lr("first out.pdf") + "\nand 1 more";
        const int ctrlV = (Qt::CTRL | Qt::Key_V).toCombined();
        const int shiftInsert = (Qt::SHIFT | Qt::Key_Insert).toCombined();
        const QString nothing = "The clipboard holds no files. Select them in your file manager "
                                "and copy them with Ctrl+C, then paste them here with Ctrl+V.";
        const QString notLocal =
            "1 of the pasted items was not added: it is not a file on this computer.";
        const QString notLocalDropped =
            "1 of the dropped items was not added: it is not a file on this computer.";
        const QString badPasted =
            "1 of the pasted files was not added: its name is not valid UTF-8.\n" + lr("\uFFFD");
        const QList<QUrl> mixed = QList{QUrl("file:///d/caf%E9.pdf"), file("/d/ok.pdf"),
                                        QUrl("file:///e/%E9%C3.pdf"), file("/d/\uFFFD.pdf")} +
                                  bad;
        const QList<QUrl> full =
            many + QList{file("/d/first out.pdf"), bad[0], file("/d/last.pdf")};
        const struct {
            QList<QUrl> urls;
            int offered, taken;
            bool ontoField, filled;
            int count;
            QString field, message;
            int key = 0; // a paste with it instead of a drag
        } cases[] = {
            {one, copy, copy, false, true, 2, "typed", ""},
            {one, link | move, link, false, false, 1, "/d/one_Out.pdf", ""},
            {one, move, 0, false, false, 0, "typed", ""},
            {{web}, copy, 0, false, false, 0, "typed", ""},
            {{web, one[0]}, copy, copy, false, false, 1, "/d/one_Out.pdf", notLocalDropped},
            {one, copy, 0, true, false, 0, "typed", ""},
            {{}, copy, copy, true, false, 0, "typedplain", ""},
            {mixed, copy, copy, false, false, 2, "/d/ok_Out.pdf", badNames},
            {full, copy, copy, false, false, 32767, "/d/many_Out.pdf", overLimit},
            {{}, copy, 0, false, false, 0, "typed", nothing, ctrlV},
            {{web}, copy, 0, false, false, 0, "typed", nothing, ctrlV},
            {one, copy, 0, true, false, 0, "typedfile:///d/one.pdf", "", ctrlV},
            {{web, one[0]}, copy, 0, false, false, 1, "/d/one_Out.pdf", notLocal, ctrlV},
            {{bad[0]}, copy, 0, false, false, 0, "typed", badPasted, ctrlV},
            {{one[0], file("/d/two.pdf")}, copy, 0, false, true, 3, "typed", "", shiftInsert},
        };
        for (const auto& c : cases) {
            make();
            fill(c.filled ? Paths{"/x.pdf"} : Paths{}, c.filled - 1);
            w->dfDestination->setText("typed");
            Boxes boxes;
            QWidget* target = c.ontoField ? w->dfDestination
                              : c.key     ? w->lbFilelist
                                          : w->lbFilelist->viewport();
            QCOMPARE(int(drag(target, c.urls, c.offered, c.key)), c.taken);
            QVERIFY(boxes.texts.isEmpty()); // the source is not held by a box
            // A paste reads the clipboard and leaves it as it was, a cut included.
            QVERIFY(!c.key || QGuiApplication::clipboard()->mimeData()->hasFormat(
                                  "x-special/gnome-copied-files"));
            QCOMPARE(std::tuple(w->entries().count(), w->entries().selection(),
                                QDir::fromNativeSeparators(w->dfDestination->text())),
                     std::tuple(c.count, c.filled - 1, c.field));
            QTRY_COMPARE(boxes.texts, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        }
        // A screen reader is led to the first pasted entry, which is not selected.
        QCOMPARE(w->lbFilelist->currentRow(), 1);
    }

    // The window in a few languages: captions and a box in them, Qt's own
    // words too, captions whole, each plural form, and right to left
    // mirrored. C and English are the design's words.
    void languages()
    {
        const QStringList dropped{"1 of the dropped files was not added",
                                  "2 of the dropped files were not added",
                                  "7 of the dropped files were not added"};
        const struct {
            const char* locale;
            QString merge, label, ok, more; // after the first five of seven names
            bool rightToLeft = false;
            QStringList plurals = {}; // of 1, 2 and 7 names left out of a drop
        } cases[] = {
            {"C", "&Merge", "Destination:", "OK", "and 2 more", false, dropped},
            {"de_DE", "&Verbinden", "Ziel:", "OK", "und 2 weitere"},
            {"pl_PL",
             "&Połącz",
             "Miejsce docelowe:",
             "OK",
             "i 2 inne",
             false,
             {"1 upuszczony plik nie został dodany", "2 upuszczone pliki nie zostały dodane",
              "7 upuszczonych plików nie zostało dodanych"}},
            {"ar_EG", "&دمج", "الوجهة:", "حسنًا", "و2 أخرى", true},
            {"he_IL", "&מיזוג", "יעד:", "אישור", "ועוד 2", true},
            // Where a language has no file of its own, the nearest: Qt's words with it.
            {"pt_PT", "&Mesclar", "Destino:", "OK", "e mais 2"},
            {"zh_HK", "合併(&M)", "目的地：", "確定", "以及其他 2 個"},
        };
        const QList<QUrl> bad(7, QUrl("file:///d/%FF"));
        for (const auto& c : cases) {
            speak(c.locale);
            make();
            showActive();
            wholeAndClear();
            Boxes boxes;
            for (qsizetype n : {1, 2, 7})
                drag(w->lbFilelist->viewport(), bad.first(n));
            QTRY_COMPARE(boxes.texts.size(), 3);
            QStringList plurals;
            for (const QString& box : boxes.texts)
                plurals.append(box.section(':', 0, 0));
            QCOMPARE(std::tuple(w->dfMerge->text(), w->Label2->text(), boxes.buttons[0],
                                boxes.texts[2].section('\n', -1),
                                w->lbFilelist->x() > w->pbUp->x()),
                     std::tuple(c.merge, c.label, c.ok, c.more, c.rightToLeft));
            QVERIFY(c.plurals.isEmpty() || plurals == c.plurals);
        }
        // Every caption whole in the other languages too.
        for (const char* locale :
             {"bg", "ca", "cs", "da", "es", "fa",    "fi", "fr", "gd", "hr", "hu",    "it",
              "ja", "ko", "lv", "nl", "nn", "pt_BR", "ru", "sk", "tr", "uk", "zh_CN", "zh_TW"}) {
            speak(locale);
            make();
            showActive();
            wholeAndClear();
        }
        speak("C");
        // The desktop's first language that Ordanex speaks, or its nearest;
        // English where English comes first.
        const std::pair<QStringList, QString> asked[] = {
            {{"he", "he-IL", "de", "de-DE"}, "de"}, {{"nb-NO", "nb"}, "nn"}, {{"en-GB", "de"}, ""}};
        for (const auto& [tags, chosen] : asked)
            QCOMPARE(Translations::language(tags, [] { return QStringList{"de", "nn"}; }), chosen);
    }

    // Under X, the tip, and the list following the window manager's frame,
    // which is known only once the window is shown.
    void tooltip()
    {
        showActive();
        if (QGuiApplication::platformName() == "xcb")
            QTRY_VERIFY_WITH_TIMEOUT(w->frameGeometry().width() > w->width(), 10000);
        QTRY_COMPARE(w->lbFilelist->geometry().right() + 1,
                     int(std::lround(w->frameGeometry().width() - 1000 / 15.0)));
        QWidget* viewport = w->lbFilelist->viewport();
        fill({"/first.pdf", "/second.pdf", "/third.pdf", "/fourth.pdf"});
        QTest::mouseMove(viewport, row(0));
        QTRY_VERIFY(QToolTip::isVisible() && QToolTip::text() == "/first.pdf");
        // In small steps, as a mouse moves, to below the last entry: the tip
        // shows the nearest one, and is still there once Qt's delay for
        // hiding it has passed.
        const QPoint below(row(0).x(), viewport->height() - 2);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(viewport, row(0) + (below - row(0)) * step / 4, 10);
        QTest::qWait(600);
        QVERIFY(QToolTip::isVisible() && QToolTip::text() == "/fourth.pdf");
        // The list is emptied under the resting pointer: no tip is left over it.
        for (int i = 0; i < 4; ++i)
            w->entries().removeAt(0);
        QTest::mouseMove(viewport, below - QPoint(0, 1));
        QTest::qWait(600);
        QVERIFY(!QToolTip::isVisible());
    }

    // The tool beside the program: missing, refused, then the real pdftk
    // on files made here, in four merges at once, and the merges refused
    // while they run. The real program's runs are in tests/x-clipboard.sh,
    // and in tests/windows-exe.sh on Windows.
    void merges()
    {
        const fs::path folder = appDirectory(), work = folder / "work";
        const fs::path data = ORDANEX_TEST_DATA, blank = work / "with blank.pdf";
        const bool windows = QSysInfo::productType() == "windows";
        const fs::path tool = folder / (windows ? "pdftk.exe" : "pdftk");
        fs::remove_all(work); // what an earlier run left
        fs::remove(tool);
        fs::create_directories(work);
        fs::copy_file(data / "two-pages.pdf", blank);
#ifndef _WIN32
        // Were SIGCHLD left ignored, as whoever started the program may
        // leave it, every merge would seem to fail.
        std::signal(SIGCHLD, SIG_IGN);
#endif
        LocalToolStarter real;
        frmMain window(real, disk, appDirectory);
        // A failure's box stays open while merges run, so that their ends
        // meet it.
        const QDeadlineTimer held(30000);
        Boxes boxes([&](const QString& text) {
            return !text.startsWith("The merge into") ||
                   window.cursor().shape() != Qt::BusyCursor || held.hasExpired();
        });
        drag(window.lbFilelist->viewport(), {file(text(blank))});
        window.entries().select(0);
        // With no pdftk there: the system's words, or wine's.
        window.dfDestination->setText(text(work / "killed.pdf"));
        QTest::mouseClick(window.dfMerge, Qt::LeftButton);
        QTRY_COMPARE(boxes.texts,
                     QStringList{"The merge tool \"" + lr(text(tool)) +
                                 "\" could not be started: " +
                                 lr(windows ? "File not found." : "No such file or directory")});
#ifndef _WIN32
        // The real pdftk, once the tool has written more error output than
        // is read (but for one merge, whose few words are read whole), and
        // has waited, so that the merges still run when Merge is pressed
        // again.
        std::ofstream(tool)
            << "#!/bin/sh\ncase \"$*\" in *none/out.pdf) ;; *) head -c 5000 "
               "/dev/zero | tr '\\0' x >&2; echo >&2 ;; esac\nsleep 1\nexec " ORDANEX_PDFTK
               " \"$@\"\n";
        fs::permissions(tool, fs::perms::owner_all);
        // Killed at once; merged; into a folder that is not there; with a
        // damaged input, onto a file that this window did not make.
        std::ofstream(work / "damaged.pdf") << "not a PDF";
        fs::copy_file(data / "one-page.pdf", work / "earlier.pdf");
        QTest::mouseClick(window.dfMerge, Qt::LeftButton);
        const int child = firstChild();
        QVERIFY(child > 0); // never the test's own process group
        ::kill(-child, SIGKILL);
        QTRY_COMPARE(boxes.texts.size(), 2);
        const fs::path merged = work / "merged.pdf";
        const std::tuple<Paths, int, fs::path> runs[] = {
            {{data / "one-page.pdf"}, -1, merged},
            {{}, -1, work / "none" / "out.pdf"},
            // Refused while they run: what one writes, or what one reads as
            // the destination, or what one writes as an input.
            {{}, -1, merged},
            {{}, 1, data / "one-page.pdf"},
            {{merged}, -1, work / "other.pdf"},
        };
        for (const auto& [added, removed, destination] : runs) {
            window.entries().addAll(added);
            window.entries().removeAt(removed);
            window.dfDestination->setText(text(destination));
            QTest::mouseClick(window.dfMerge, Qt::LeftButton);
        }
        // It is kept, then replaced.
        window.entries().removeAt(1);
        window.entries().add((work / "damaged.pdf").string());
        window.dfDestination->setText(text(work / "earlier.pdf"));
        for (const bool replace : {false, true}) {
            boxes.replace = replace;
            QTest::mouseClick(window.dfMerge, Qt::LeftButton);
        }
        const auto busy = [](const fs::path& file) {
            return "A merge is still working on \"" + lr(text(file)) +
                   "\". Merge again once it has ended.";
        };
        const QString asked = "ASKED: There is already a file at \"" +
                              lr(text(work / "earlier.pdf")) +
                              "\". Replace it with this merge? The file there now cannot be "
                              "brought back.";
        QCOMPARE(boxes.texts.mid(2), (QStringList{busy(merged), busy(data / "one-page.pdf"),
                                                  busy(merged), asked, asked}));
        QCOMPARE(window.cursor().shape(), Qt::BusyCursor);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts.size(), 9, 60000);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        // What failed and what is at the destination; the tool's words between.
        QStringList gists;
        for (const QString& box : boxes.texts.filter(QRegularExpression("^The merge into")))
            gists.append(box.section('\n', 0, 0) + ' ' + box.section("\n\n", -1));
        gists.sort();
        const auto into = [&](const char* file) {
            return "The merge into \"" + lr(text(work) + file) + "\" failed: pdftk ";
        };
        QCOMPARE(gists, (QStringList{into("/earlier.pdf") + "ended with status " + lr("1") +
                                         ". The file at the destination is the one that was "
                                         "there before, unchanged: it is not the result of this "
                                         "merge.",
                                     into("/killed.pdf") + "was ended by signal " + lr("9") + " (" +
                                         lr("Killed") + "). No file was made at the destination.",
                                     into("/none/out.pdf") + "ended with status " + lr("1") +
                                         ". No file was made at the destination."}));
        QCOMPARE(boxes.texts.filter("\n\npdftk said:\n\u2066Error: ").size(), 2);
        // The first merge's file is whole, and the file kept is byte for
        // byte what it was.
        const auto bytes = [](const fs::path& file) {
            std::ifstream in(file, std::ios::binary);
            return std::string(std::istreambuf_iterator(in), {});
        };
        QCOMPARE(std::pair(bytes(merged).ends_with("%%EOF\n"), bytes(work / "earlier.pdf")),
                 std::pair(true, bytes(data / "one-page.pdf")));
        QCOMPARE(firstChild(), 0);
#endif
        // Neither a refusal nor a failure changes the list's selection.
        QCOMPARE(window.entries().selection(), 0);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
