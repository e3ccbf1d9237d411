// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "core/destination_rule.h"
#include "dropped_files.h"
#include "file_list_box.h"
#include "held_keys.h"
#include "window_layout.h"

#include <QAccessibleWidget>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

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

} // namespace

frmMain::frmMain(ToolStarter& starter, const Disk& disk, std::function<std::string()> appDirectory,
                 QWidget* parent)
    : QWidget(parent)
    , lbFilelist(new FileListBox(this))
    //: The caption above the list of files to merge.
    , Label1(new QLabel(tr("List of PDF Files to Merge (Drop Files here)"), this))
    , dfDestination(new QLineEdit(this))
    //: The label of the field that holds the path of the file to make.
    , Label2(new QLabel(tr("Destination:"), this))
    //: A button. The letters after "&" are access keys (Alt+letter); keep
    //: them apart among Merge, Up and Down.
    , dfMerge(new QPushButton(tr("&Merge"), this))
    //: A button that moves the selected file one place up the list.
    , pbUp(new QPushButton(tr("&Up"), this))
    //: A button that moves the selected file one place down the list.
    , pbDown(new QPushButton(tr("&Down"), this))
    , entries_(*lbFilelist)
    , boxes_(this)
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
    //: Read by screen readers for the list.
    lbFilelist->setAccessibleDescription(tr("Drop files here from the file manager, or copy them "
                                            "there and paste them here with Ctrl+V."));
    dfDestination->setAccessibleName(Label2->text());
    // Paths read from left to right in every language; a right-to-left one
    // would show the leading "/" at their end.
    for (QWidget* paths : {static_cast<QWidget*>(lbFilelist), static_cast<QWidget*>(dfDestination)})
        paths->setLayoutDirection(Qt::LeftToRight);
    // Else the first Tab into the field reports a caret move just before the
    // focus, and screen readers take it for the focus and say nothing.
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
    // Enter and the access keys held act once; Up and Down held repeat.
    auto* held = new HeldKeys(this);
    held->letRepeat(pbUp);
    held->letRepeat(pbDown);

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
    placement_ = placement;
    // A right-to-left language reads the window from its right edge.
    const auto all = controls();
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i]->setGeometry(QStyle::visualRect(layoutDirection(), rect(), placement[i]));
}

void frmMain::lbFilelist_OLEDragDrop(const DroppedFiles& files)
{
    addFiles(files, false);
}

void frmMain::lbFilelist_Paste(const DroppedFiles& files)
{
    // The clipboard cannot be seen: a paste that finds nothing says so.
    if (files.paths.isEmpty() && files.unreadable.isEmpty()) {
        boxes_.showLater(tr("The clipboard holds no files. Select them in your file manager and "
                            "copy them with Ctrl+C, then paste them here with Ctrl+V."));
        return;
    }
    const int before = entries_.count();
    const int added = addFiles(files, true);
    if (added == 0)
        return;
    // Screen readers follow the focus, here to the first pasted entry; the
    // selection stays where it was.
    lbFilelist->selectionModel()->setCurrentIndex(lbFilelist->model()->index(before, 0),
                                                  QItemSelectionModel::NoUpdate);
    const QString now = leftToRight(QString::number(entries_.count()));
    //: For screen readers, after a paste: %1 is the name of the file pasted,
    //: %2 the number of files now in the list.
    announce(lbFilelist, added == 1
                             ? tr("Added %1; the list holds %2.")
                                   .arg(leftToRight(QFileInfo(files.paths.front()).fileName()), now)
                             //: For screen readers, after a paste of several files.
                             : tr("Added %n file(s); the list holds %1.", nullptr, added).arg(now));
}

int frmMain::addFiles(const DroppedFiles& files, bool pasted)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(files.paths.size()));
    for (const QString& path : files.paths)
        texts.push_back(path.toStdString());
    std::size_t added = 0;
    if (!texts.empty()) {
        if (entries_.count() == 0)
            dfDestination->setText(QString::fromStdString(DestinationRule::apply(texts.front())));
        added = entries_.addAll(texts);
    }
    if (const QString told = NotAdded::told(files, static_cast<qsizetype>(added), pasted);
        !told.isEmpty())
        boxes_.showLater(told);
    return static_cast<int>(added);
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
    MergeCommand(starter_, boxes_, texts_, *this, files_)
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
        boxes_.showMessage(report.text);
        return;
    }
    // Screen readers hear of the file that appears.
    announce(this, QString::fromStdString(report.text));
}

void frmMain::Form_Resize()
{
    place(placement_, true);
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
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        dfMerge->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace ordanex
