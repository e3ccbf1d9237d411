#include "main_window.h"

#include "core/destination_rule.h"
#include "file_list_box.h"
#include "window_layout.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QShortcutEvent>

#include <algorithm>
#include <utility>
#include <vector>

namespace ordanex {

// The window icon's pixels, 32 and 48 pixels square, compiled in.
extern const unsigned char kIcon32[32 * 32 * 4];
extern const unsigned char kIcon48[48 * 48 * 4];

namespace {

// A plain widget reads to screen readers as a filler inside some window;
// this one is the window itself.
QAccessibleInterface* accessibleWindow(const QString& className, QObject* object)
{
    if (className == QLatin1String(frmMain::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// Says how many of `what` were left out and why, and names the first few
// of them, so that the user knows which files to look at.
QString notAdded(qsizetype count, const QString& what, const QString& whyOne,
                 const QString& whyMany, const QStringList& names = {})
{
    constexpr qsizetype kNamesShown = 5;
    QString text =
        count == 1 ? QStringLiteral("1 of the %1 was not added: ").arg(what) + whyOne
                   : QStringLiteral("%1 of the %2 were not added: ").arg(count).arg(what) + whyMany;
    const qsizetype shown = std::min(kNamesShown, names.size());
    for (const QString& name : names.first(shown))
        text += u'\n' + name;
    if (count > shown && !names.isEmpty())
        text += QStringLiteral("\nand %1 more").arg(count - shown);
    return text;
}

// Tells screen readers, which have the words for it since Qt 6.8.
void announce(QObject* about, const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(about, text);
    QAccessible::updateAccessibility(&announcement);
#else
    Q_UNUSED(about);
    Q_UNUSED(text);
#endif
}

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

frmMain::frmMain(ProgramStarter& starter, const Disk& disk,
                 std::function<std::string()> appDirectory, QWidget* parent)
    : QWidget(parent)
    , lbFilelist(new FileListBox(this))
    , Label1(new QLabel(QStringLiteral("List of PDF Files to Merge (Drop Files here)"), this))
    , dfDestination(new QLineEdit(this))
    , Label2(new QLabel(QStringLiteral("Destination:"), this))
    , dfMerge(new QPushButton(QStringLiteral("&Merge"), this))
    , pbUp(new QPushButton(QStringLiteral("&Up"), this))
    , pbDown(new QPushButton(QStringLiteral("&Down"), this))
    , entries_(*lbFilelist)
    , starter_(starter)
    , files_(disk)
    , appDirectory_(std::move(appDirectory))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    QIcon icon;
    for (const auto& [pixels, size] : {std::pair<const uchar*, int>(kIcon32, 32), {kIcon48, 48}})
        icon.addPixmap(QPixmap::fromImage(QImage(pixels, size, size, QImage::Format_ARGB32)));
    setWindowIcon(icon);

    lbFilelist->setObjectName(QStringLiteral("lbFilelist"));
    Label1->setObjectName(QStringLiteral("Label1"));
    dfDestination->setObjectName(QStringLiteral("dfDestination"));
    Label2->setObjectName(QStringLiteral("Label2"));
    dfMerge->setObjectName(QStringLiteral("dfMerge"));
    pbUp->setObjectName(QStringLiteral("pbUp"));
    pbDown->setObjectName(QStringLiteral("pbDown"));
    static const bool accessible = (QAccessible::installFactory(accessibleWindow), true);
    Q_UNUSED(accessible);
    // Screen readers name the list and the field after their labels.
    Label1->setBuddy(lbFilelist);
    Label2->setBuddy(dfDestination);
    lbFilelist->setAccessibleName(Label1->text());
    lbFilelist->setAccessibleDescription(
        QStringLiteral("Drop files here from the file manager, or copy them there and paste them "
                       "here with Ctrl+V."));
    dfDestination->setAccessibleName(Label2->text());
    // The field's first caret report would otherwise reach screen readers on
    // the first Tab into it, just before its focus, and they would take the
    // focus without a word. Later ones come only with a move.
    dfDestination->setCursorPosition(0);

    layOut(QSize());

    // Enter in a control that has no use for it reaches keyPressEvent and
    // clicks Merge; a focused button takes Enter for itself.
    dfMerge->setDefault(true);
    for (QPushButton* button : {dfMerge, pbUp, pbDown})
        button->setAutoDefault(true);

    setTabOrder(lbFilelist, dfDestination);
    setTabOrder(dfDestination, dfMerge);
    setTabOrder(dfMerge, pbUp);
    setTabOrder(pbUp, pbDown);
    lbFilelist->setFocus();
    // Only the list takes files.
    dfDestination->installEventFilter(this);
    // A held key is one press of Merge.
    dfMerge->installEventFilter(this);

    connect(lbFilelist, &FileListBox::filesDropped, this, &frmMain::lbFilelist_OLEDragDrop);
    connect(lbFilelist, &FileListBox::filesPasted, this, &frmMain::lbFilelist_Paste);
    connect(lbFilelist, &FileListBox::keyDown, this, &frmMain::lbFilelist_KeyDown);
    connect(lbFilelist, &FileListBox::mouseMoved, this, &frmMain::lbFilelist_MouseMove);
    connect(pbUp, &QPushButton::clicked, this, &frmMain::pbUp_Click);
    connect(pbDown, &QPushButton::clicked, this, &frmMain::pbDown_Click);
    connect(dfMerge, &QPushButton::clicked, this, &frmMain::dfMerge_Click);
}

std::array<QWidget*, layout::kControls> frmMain::controls() const
{
    return {lbFilelist, Label1, dfDestination, Label2, dfMerge, pbUp, pbDown};
}

void frmMain::layOut(QSize atLeast)
{
    const layout::Measures measures =
        layout::measure(*Label1, *Label2, *dfDestination, {dfMerge, pbUp, pbDown});
    factor_ = layout::fitFactor(measures);
    setMinimumSize(layout::minimumClientSize(factor_));
    // The window grows to what the font needs, and keeps any size the user
    // gave it beyond that; a maximised or minimised one stays so.
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(atLeast.expandedTo(layout::clientSize(factor_)));
    // A hidden window follows its width once it is shown.
    place(layout::place(measures, factor_), isVisible());
}

void frmMain::place(layout::Placement placement, bool followWidth)
{
    if (followWidth && !isMinimized()) {
        // The rule measures the outer width, borders included.
        ruleWidth_ = frameGeometry().width();
        layout::followWidth(placement, ruleWidth_, factor_);
    }
    const auto all = controls();
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i]->setGeometry(placement[i]);
}

void frmMain::lbFilelist_OLEDragDrop(const QStringList& paths, const QStringList& unreadable)
{
    addFiles({paths, unreadable}, QStringLiteral("dropped"));
}

void frmMain::lbFilelist_Paste(const DroppedFiles& files)
{
    // Whoever pastes cannot see what the clipboard held: nothing to add is
    // said, not passed over.
    if (files.paths.isEmpty() && files.unreadable.isEmpty()) {
        showLater("The clipboard holds no files. Select them in your file manager and copy them "
                  "with Ctrl+C, then paste them here with Ctrl+V.");
        return;
    }
    const int before = entries_.count();
    addFiles(files, QStringLiteral("pasted"));
    const int added = entries_.count() - before;
    if (added == 0)
        return;
    // A screen reader follows the list's focus, here to the first pasted
    // entry, and names it; the selection stays where it was.
    lbFilelist->selectionModel()->setCurrentIndex(lbFilelist->model()->index(before, 0),
                                                  QItemSelectionModel::NoUpdate);
    const QString what = added == 1 ? QFileInfo(files.paths.front()).fileName()
                                    : QStringLiteral("%1 files").arg(added);
    announce(lbFilelist,
             QStringLiteral("Added %1; the list holds %2.").arg(what).arg(entries_.count()));
}

void frmMain::addFiles(const DroppedFiles& files, const QString& how)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(files.paths.size()));
    for (const QString& path : files.paths)
        texts.push_back(path.toStdString());

    const QString what = how + QStringLiteral(" files");
    QStringList notices;
    if (!files.unreadable.isEmpty()) {
        notices.append(
            notAdded(files.unreadable.size(), what, QStringLiteral("its name is not valid UTF-8."),
                     QStringLiteral("their names are not valid UTF-8."), files.unreadable));
    }
    if (!texts.empty()) {
        if (entries_.count() == 0)
            dfDestination->setText(QString::fromStdString(DestinationRule::apply(texts.front())));
        const auto added = static_cast<qsizetype>(entries_.addAll(texts));
        if (added < files.paths.size()) {
            const QString limit =
                QStringLiteral("the list holds at most %1 files.").arg(EntryList::kMaxEntries);
            notices.append(notAdded(files.paths.size() - added, what, limit, limit,
                                    {QFileInfo(files.paths[added]).fileName()}));
        }
    }
    if (files.others > 0) {
        notices.append(notAdded(files.others, how + QStringLiteral(" items"),
                                QStringLiteral("it is not a file on this computer."),
                                QStringLiteral("they are not files on this computer.")));
    }
    if (!notices.isEmpty())
        showLater(notices.join(QStringLiteral("\n\n")));
}

void frmMain::lbFilelist_KeyDown(int key)
{
    if (key == Qt::Key_Delete)
        entries_.removeSelected();
}

void frmMain::lbFilelist_MouseMove(QPoint viewportPos)
{
    const QString tip = QString::fromStdString(entries_.text(lbFilelist->rowNearest(viewportPos)));
    if (tip != lbFilelist->toolTip())
        lbFilelist->setToolTip(tip);
}

void frmMain::pbUp_Click()
{
    entries_.moveUp();
}

void frmMain::pbDown_Click()
{
    entries_.moveDown();
}

void frmMain::dfMerge_Click()
{
    MergeCommand(starter_, *this, *this, files_)
        .run(appDirectory_(), entries_, dfDestination->text().toStdString());
}

void frmMain::mergeStarted()
{
    // Working, and still usable.
    if (merges_++ == 0)
        setCursor(Qt::BusyCursor);
}

void frmMain::mergeEnded(const MergeReport& report)
{
    if (--merges_ == 0)
        unsetCursor();
    if (report.failed) {
        showMessage(report.text);
        return;
    }
    // Whoever cannot see the file appear hears that it did.
    announce(this, QString::fromStdString(report.text));
}

void frmMain::Form_Resize()
{
    layout::Placement placement;
    std::ranges::transform(controls(), placement.begin(), &QWidget::geometry);
    place(placement, true);
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // The window manager's frame becomes known only after the window is
    // shown, and it moves the window without resizing it.
    if (frameGeometry().width() != ruleWidth_)
        Form_Resize();
}

void frmMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Restoring from minimised brings no resize of its own.
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

bool frmMain::event(QEvent* event)
{
    // Qt asks for this once a control of the shown window has taken a new
    // font or style: a desktop may change either while the program runs.
    if (event->type() == QEvent::LayoutRequest)
        layOut(size());
    return QWidget::event(event);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+C that no control of a box has taken copies all its words.
    if (auto* box = qobject_cast<QMessageBox*>(watched);
        box && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(box->text());
        return true;
    }
    if (watched == dfMerge) {
        // Its access key is taken once per press: the shortcut's repeats
        // are turned off the first time it is used, as its id is known
        // only then. A focused Merge would click on each repeat of Enter.
        if (event->type() == QEvent::Shortcut)
            dfMerge->setShortcutAutoRepeat(static_cast<QShortcutEvent*>(event)->shortcutId(),
                                           false);
        return event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event)) &&
               static_cast<QKeyEvent*>(event)->isAutoRepeat();
    }
    // Files dropped into the field would become a garbage output path as
    // their link text; plain text may still be dropped there.
    const QEvent::Type type = event->type();
    if (watched == dfDestination &&
        (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
        static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(event)) {
        if (!event->isAutoRepeat())
            dfMerge->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmMain::showMessage(const std::string& text)
{
    // A merge may fail while a box is open: its box follows that one rather
    // than open over it.
    boxes_.append(QString::fromStdString(text));
    showBoxes();
}

void frmMain::showLater(const QString& text)
{
    // The source of a drop waits until the drop has returned; so its box
    // comes once it has, from the event loop.
    boxes_.append(text);
    QMetaObject::invokeMethod(this, &frmMain::showBoxes, Qt::QueuedConnection);
}

void frmMain::showBoxes()
{
    if (boxOpen_)
        return;
    boxOpen_ = true;
    while (!boxes_.isEmpty()) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                        boxes_.takeFirst(), QMessageBox::Ok, this);
        // Paths are shown as they are, never read as markup, and the words
        // can be copied, to be looked up or reported: all of them with
        // Ctrl+C, as Qt does it on Windows, or those selected with the mouse
        // and the keys once clicked. Enter still closes it.
        box.setTextFormat(Qt::PlainText);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box.setDefaultButton(QMessageBox::Ok);
#ifndef Q_OS_WIN
        box.installEventFilter(this);
#endif
        box.exec();
    }
    boxOpen_ = false;
}

bool frmMain::askToReplace(const std::string& question)
{
    // The one box with a second button: keeping the file is the default.
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                    QString::fromStdString(question), QMessageBox::Cancel, this);
    box.setTextFormat(Qt::PlainText);
    const QPushButton* replace = box.addButton(QStringLiteral("&Replace"), QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    // Boxes that come meanwhile wait for it.
    const bool open = std::exchange(boxOpen_, true);
    box.exec();
    boxOpen_ = open;
    if (!boxOpen_ && !boxes_.isEmpty())
        QMetaObject::invokeMethod(this, &frmMain::showBoxes, Qt::QueuedConnection);
    return box.clickedButton() == replace;
}

} // namespace ordanex
