#include "main_window.h"

#include "core/destination_rule.h"
#include "file_list_box.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ordanex {

namespace {

// Geometry is designed in twips, 15 to a logical pixel.
constexpr double kTwipsPerPixel = 15.0;

int pixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

double twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

// Gaps kept to the window's outer right edge while it is resized.
constexpr double kListGap = 1000;
constexpr double kFieldGap = 200;
constexpr double kButtonGap = 200;

constexpr QSize kClientSize(564, 353);

} // namespace

frmMain::frmMain(ProgramStarter& starter, std::function<std::string()> appDirectory,
                 QWidget* parent)
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
    , appDirectory_(std::move(appDirectory))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/ordanex-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/ordanex-48.png"), QSize(48, 48));
    setWindowIcon(icon);
    resize(kClientSize);
    setMinimumSize(minimumClientSize());

    lbFilelist->setObjectName(QStringLiteral("lbFilelist"));
    Label1->setObjectName(QStringLiteral("Label1"));
    dfDestination->setObjectName(QStringLiteral("dfDestination"));
    Label2->setObjectName(QStringLiteral("Label2"));
    dfMerge->setObjectName(QStringLiteral("dfMerge"));
    pbUp->setObjectName(QStringLiteral("pbUp"));
    pbDown->setObjectName(QStringLiteral("pbDown"));

    lbFilelist->setGeometry(8, 32, 497, 238);
    Label1->setGeometry(8, 8, 225, 25);
    dfDestination->setGeometry(80, 280, 457, 25);
    Label2->setGeometry(8, 280, 65, 25);
    dfMerge->setGeometry(456, 312, 81, 33);
    pbUp->setGeometry(512, 32, 41, 33);
    pbDown->setGeometry(512, 88, 41, 33);
    // The captions were laid out for a narrower font than most desktops use:
    // a label grows to its text, up to the next control on its row, rather
    // than cut it off.
    Label1->resize(std::clamp(Label1->sizeHint().width(), Label1->width(), kClientSize.width() - 16),
                   Label1->height());
    Label2->resize(std::clamp(Label2->sizeHint().width(), Label2->width(),
                              dfDestination->x() - Label2->x()),
                   Label2->height());

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

    connect(lbFilelist, &FileListBox::filesDropped, this, &frmMain::lbFilelist_OLEDragDrop);
    connect(lbFilelist, &FileListBox::keyDown, this, &frmMain::lbFilelist_KeyDown);
    connect(lbFilelist, &FileListBox::mouseMoved, this, &frmMain::lbFilelist_MouseMove);
    connect(pbUp, &QPushButton::clicked, this, &frmMain::pbUp_Click);
    connect(pbDown, &QPushButton::clicked, this, &frmMain::pbDown_Click);
    connect(dfMerge, &QPushButton::clicked, this, &frmMain::dfMerge_Click);
}

QSize frmMain::minimumClientSize()
{
    // Merge never moves: keep it whole with a margin; nothing follows the
    // height, so the height stays.
    return {456 + 81 + 8, kClientSize.height()};
}

void frmMain::lbFilelist_OLEDragDrop(const QStringList& paths)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        texts.push_back(path.toStdString());
    if (texts.empty())
        return;

    if (entries_.count() == 0)
        dfDestination->setText(QString::fromStdString(DestinationRule::apply(texts.front())));
    const std::size_t added = entries_.addAll(texts);
    if (added < texts.size()) {
        showMessage(std::to_string(texts.size() - added) + " of the dropped files were not added: the list holds at most " +
                    std::to_string(EntryList::kMaxEntries) + " files.");
    }
}

void frmMain::lbFilelist_KeyDown(int key)
{
    if (key == Qt::Key_Delete)
        entries_.removeSelected();
}

void frmMain::lbFilelist_MouseMove(QPoint viewportPos)
{
    const QString tip = QString::fromStdString(entries_.text(lbFilelist->rowNearest(viewportPos)));
    if (tip == lbFilelist->toolTip())
        return;
    lbFilelist->setToolTip(tip);
    // A tip already on screen follows the pointer to the new entry.
    if (QToolTip::isVisible())
        QToolTip::showText(lbFilelist->viewport()->mapToGlobal(viewportPos), tip, lbFilelist);
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
    MergeCommand(starter_, *this).run(appDirectory_(), entries_, dfDestination->text().toStdString());
}

void frmMain::Form_Resize()
{
    if (isMinimized())
        return;
    const double width = twips(frameGeometry().width());
    lbFilelist->resize(pixels(width - twips(lbFilelist->x()) - kListGap), lbFilelist->height());
    dfDestination->resize(pixels(width - twips(dfDestination->x()) - kFieldGap),
                          dfDestination->height());
    pbUp->move(pixels(width - twips(pbUp->width()) - kButtonGap), pbUp->y());
    pbDown->move(pixels(width - twips(pbDown->width()) - kButtonGap), pbDown->y());
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Restoring from minimised brings no resize of its own.
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        dfMerge->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmMain::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    // Paths are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace ordanex
