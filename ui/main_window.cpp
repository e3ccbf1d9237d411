#include "main_window.h"

#include "core/destination_rule.h"
#include "file_list_box.h"

#include <QAccessibleWidget>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ordanex {

// The window icon's pixels, 32 and 48 pixels square, compiled in.
extern const unsigned char kIcon32[32 * 32 * 4];
extern const unsigned char kIcon48[48 * 48 * 4];

namespace {

// The design, in twips: 15 to a logical pixel where the font fits it.
constexpr double kTwipsPerPixel = 15.0;

struct Design {
    int left, top, width, height;
};

constexpr Design kList{120, 480, 7455, 3570};
constexpr Design kLabel1{120, 120, 3375, 375};
constexpr Design kField{1200, 4200, 6855, 375};
constexpr Design kLabel2{120, 4200, 975, 375};
constexpr Design kMerge{6840, 4680, 1215, 495};
constexpr Design kUp{7680, 480, 615, 495};
constexpr Design kDown{7680, 1320, 615, 495};
constexpr int kClientWidth = 8460;
constexpr int kClientHeight = 5295;
// Merge never moves: the narrowest window keeps it whole, with the margin
// the list has on the left. Nothing follows the height.
constexpr int kMinClientWidth = kMerge.left + kMerge.width + kList.left;

// Gaps kept to the window's outer right edge while it is resized.
constexpr double kListGap = 1000;
constexpr double kFieldGap = 200;
constexpr double kButtonGap = 200;

// How far a caption's ink reaches from where it starts.
int inkWidth(const QWidget* control, const QString& caption)
{
    return control->fontMetrics().boundingRect(QString(caption).remove(u'&')).right() + 1;
}

// The smallest factor at which every caption is whole: the design suits a
// small dialog font, and most desktops use a larger one.
double fitFactor(const QLabel* label1, const QLabel* label2, const QLineEdit* field,
                 std::initializer_list<std::pair<const QPushButton*, Design>> buttons)
{
    double factor = 1;
    const auto need = [&factor](int pixels, int designTwips) {
        factor = std::max(factor, pixels * kTwipsPerPixel / designTwips);
    };
    // A label may grow to the next control on its row.
    need(inkWidth(label1, label1->text()), kClientWidth - 2 * kLabel1.left);
    need(inkWidth(label2, label2->text()), kField.left - kLabel2.left);
    need(label1->fontMetrics().height(), kLabel1.height);
    need(field->minimumSizeHint().height(), kField.height);
    for (const auto& [button, design] : buttons) {
        // The caption must fit inside the button's frame as the style draws it.
        QStyleOptionButton option;
        option.initFrom(button);
        option.features = QStyleOptionButton::AutoDefaultButton;
        option.rect = QRect(0, 0, 1000, 1000);
        const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        need(inkWidth(button, button->text()) + 1000 - inside.width(), design.width);
        need(button->fontMetrics().height() + 1000 - inside.height(), design.height);
    }
    return factor;
}

// A plain widget reads to screen readers as a filler inside some window;
// this one is the window itself.
QAccessibleInterface* accessibleWindow(const QString& className, QObject* object)
{
    if (className == QLatin1String(frmMain::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// Says how many of a drop's files were left out and why, and names the
// first few of them, so that the user knows which files to look at.
QString notAdded(qsizetype count, const QString& whyOne, const QString& whyMany, const QStringList& names)
{
    constexpr qsizetype kNamesShown = 5;
    QString text = count == 1 ? QStringLiteral("1 of the dropped files was not added: ") + whyOne
                              : QStringLiteral("%1 of the dropped files were not added: ").arg(count) + whyMany;
    const qsizetype shown = std::min(kNamesShown, names.size());
    for (const QString& name : names.first(shown))
        text += u'\n' + name;
    if (count > shown)
        text += QStringLiteral("\nand %1 more").arg(count - shown);
    return text;
}

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
    dfDestination->setAccessibleName(Label2->text());

    factor_ = fitFactor(Label1, Label2, dfDestination,
                        {{dfMerge, kMerge}, {pbUp, kUp}, {pbDown, kDown}});
    const auto place = [this](QWidget* control, Design d) {
        control->setGeometry(scaled(d.left), scaled(d.top), scaled(d.width), scaled(d.height));
    };
    place(lbFilelist, kList);
    place(Label1, kLabel1);
    place(dfDestination, kField);
    place(Label2, kLabel2);
    place(dfMerge, kMerge);
    place(pbUp, kUp);
    place(pbDown, kDown);
    resize(scaled(kClientWidth), scaled(kClientHeight));
    setMinimumSize(scaled(kMinClientWidth), scaled(kClientHeight));
    // A label grows to its text, up to the next control on its row, rather
    // than cut it off.
    Label1->resize(std::clamp(Label1->sizeHint().width(), Label1->width(),
                              scaled(kClientWidth - 2 * kLabel1.left)),
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
    // Only the list takes files.
    dfDestination->installEventFilter(this);

    connect(lbFilelist, &FileListBox::filesDropped, this, &frmMain::lbFilelist_OLEDragDrop);
    connect(lbFilelist, &FileListBox::keyDown, this, &frmMain::lbFilelist_KeyDown);
    connect(lbFilelist, &FileListBox::mouseMoved, this, &frmMain::lbFilelist_MouseMove);
    connect(pbUp, &QPushButton::clicked, this, &frmMain::pbUp_Click);
    connect(pbDown, &QPushButton::clicked, this, &frmMain::pbDown_Click);
    connect(dfMerge, &QPushButton::clicked, this, &frmMain::dfMerge_Click);
}

int frmMain::scaled(double twips) const
{
    return static_cast<int>(std::lround(twips * factor_ / kTwipsPerPixel));
}

void frmMain::lbFilelist_OLEDragDrop(const QStringList& paths, const QStringList& unreadable)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        texts.push_back(path.toStdString());

    QStringList notices;
    if (!unreadable.isEmpty()) {
        notices.append(notAdded(unreadable.size(), QStringLiteral("its name is not valid UTF-8."),
                                QStringLiteral("their names are not valid UTF-8."), unreadable));
    }
    if (!texts.empty()) {
        if (entries_.count() == 0)
            dfDestination->setText(QString::fromStdString(DestinationRule::apply(texts.front())));
        const auto added = static_cast<qsizetype>(entries_.addAll(texts));
        if (added < paths.size()) {
            const QString limit = QStringLiteral("the list holds at most %1 files.").arg(EntryList::kMaxEntries);
            notices.append(notAdded(paths.size() - added, limit, limit, {QFileInfo(paths[added]).fileName()}));
        }
    }
    if (!notices.isEmpty())
        showMessage(notices.join(QStringLiteral("\n\n")).toStdString());
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
    MergeCommand(starter_, *this).run(appDirectory_(), entries_, dfDestination->text().toStdString());
}

void frmMain::Form_Resize()
{
    if (isMinimized())
        return;
    // The rule measures the outer width, borders included.
    ruleWidth_ = frameGeometry().width();
    const double width = ruleWidth_;
    const double pixelsPerTwip = factor_ / kTwipsPerPixel;
    const auto round = [](double pixels) { return static_cast<int>(std::lround(pixels)); };
    lbFilelist->resize(round(width - lbFilelist->x() - kListGap * pixelsPerTwip), lbFilelist->height());
    dfDestination->resize(round(width - dfDestination->x() - kFieldGap * pixelsPerTwip),
                          dfDestination->height());
    pbUp->move(round(width - pbUp->width() - kButtonGap * pixelsPerTwip), pbUp->y());
    pbDown->move(round(width - pbDown->width() - kButtonGap * pixelsPerTwip), pbDown->y());
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

void frmMain::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    // Paths are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace ordanex
