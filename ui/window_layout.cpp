// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace ordanex::layout {

namespace {

// The design, in twips: 15 to a logical pixel where the font fits it.
constexpr double kTwipsPerPixel = 15.0;

constexpr std::array<QRect, kControls> kDesign{{
    {120, 480, 7455, 3570},  // List
    {120, 120, 3375, 375},   // Caption
    {1200, 4200, 6855, 375}, // Field
    {120, 4200, 975, 375},   // FieldLabel
    {6840, 4680, 1215, 495}, // Merge
    {7680, 480, 615, 495},   // Up
    {7680, 1320, 615, 495},  // Down
}};
constexpr int kClientWidth = 8460;
constexpr int kClientHeight = 5295;
// Merge never moves: the narrowest window keeps it whole, with the margin
// the list has on the left. Nothing follows the height.
constexpr int kMinClientWidth = kDesign[Merge].right() + 1 + kDesign[List].left();

// Gaps kept to the window's outer right edge while it is resized.
constexpr double kListGap = 1000;
constexpr double kFieldGap = 200;
constexpr double kButtonGap = 200;

int scaled(double twips, double factor)
{
    return static_cast<int>(std::lround(twips * factor / kTwipsPerPixel));
}

// How far a caption's ink reaches from where it starts.
int inkWidth(const QWidget& control, const QString& caption)
{
    return control.fontMetrics().boundingRect(QString(caption).remove(u'&')).right() + 1;
}

// The room a label keeps between its text and what follows it: a quarter
// of the font's height.
int labelGap(const Measures& measures)
{
    return (measures.textHeight + 3) / 4;
}

} // namespace

Measures measure(const QLabel& caption, const QLabel& fieldLabel, const QLineEdit& field,
                 const std::array<const QPushButton*, 3>& buttons)
{
    Measures m;
    m.captionInk = inkWidth(caption, caption.text());
    m.fieldLabelInk = inkWidth(fieldLabel, fieldLabel.text());
    m.designLabelInk = inkWidth(fieldLabel, QStringLiteral("Destination:"));
    m.textHeight = caption.fontMetrics().height();
    m.fieldHeight = field.minimumSizeHint().height();
    // The caption must fit inside the button's frame as the style draws it.
    QStyleOptionButton option;
    option.initFrom(buttons[0]);
    option.features = QStyleOptionButton::AutoDefaultButton;
    option.rect = QRect(0, 0, 1000, 1000);
    const QRect inside =
        buttons[0]->style()->subElementRect(QStyle::SE_PushButtonContents, &option, buttons[0]);
    m.buttonFrame = option.rect.size() - inside.size();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        m.buttonText[i] =
            QSize(inkWidth(*buttons[i], buttons[i]->text()), buttons[i]->fontMetrics().height());
    return m;
}

double fitFactor(const Measures& m)
{
    // The design suits a small dialog font; most desktops use a larger one.
    double factor = 1;
    const auto need = [&factor](int pixels, int designTwips) {
        factor = std::max(factor, pixels * kTwipsPerPixel / designTwips);
    };
    // A label may grow up to the control after it, the caption up to the
    // narrowest window's edge. A translation longer than "Destination:"
    // narrows the field, as far as Merge's left edge.
    need(m.captionInk + labelGap(m), kMinClientWidth - kDesign[Caption].left());
    need(std::min(m.fieldLabelInk, m.designLabelInk),
         kDesign[Field].left() - kDesign[FieldLabel].left());
    need(m.fieldLabelInk + labelGap(m), kDesign[Merge].left() - kDesign[FieldLabel].left());
    need(m.textHeight, kDesign[Caption].height());
    need(m.fieldHeight, kDesign[Field].height());
    for (int button : {Merge, Up, Down}) {
        const QSize text = m.buttonText[static_cast<std::size_t>(button - Merge)] + m.buttonFrame;
        need(text.width(), kDesign[button].width());
        need(text.height(), kDesign[button].height());
    }
    return factor;
}

Placement place(const Measures& m, double factor)
{
    Placement p;
    for (int i = 0; i < kControls; ++i) {
        const QRect& d = kDesign[i];
        p[i] = QRect(scaled(d.left(), factor), scaled(d.top(), factor), scaled(d.width(), factor),
                     scaled(d.height(), factor));
    }
    // A label grows to its text rather than cut it off.
    p[Caption].setWidth(
        std::min(std::max(m.captionInk, p[Caption].width()),
                 scaled(kMinClientWidth - kDesign[Caption].left(), factor) - labelGap(m)));
    p[FieldLabel].setWidth(std::max(m.fieldLabelInk, p[FieldLabel].width()));
    // Where the design leaves too little room after "Destination:", the
    // field gives up just what is missing, at its left.
    p[Field].setLeft(
        std::max(p[Field].left(), p[FieldLabel].left() + m.fieldLabelInk + labelGap(m)));
    return p;
}

QSize clientSize(double factor)
{
    return {scaled(kClientWidth, factor), scaled(kClientHeight, factor)};
}

QSize minimumClientSize(double factor)
{
    return {scaled(kMinClientWidth, factor), scaled(kClientHeight, factor)};
}

void followWidth(Placement& p, int outerWidth, double factor)
{
    const double width = outerWidth;
    const double pixelsPerTwip = factor / kTwipsPerPixel;
    const auto round = [](double pixels) { return static_cast<int>(std::lround(pixels)); };
    p[List].setWidth(round(width - p[List].left() - kListGap * pixelsPerTwip));
    p[Field].setWidth(round(width - p[Field].left() - kFieldGap * pixelsPerTwip));
    p[Up].moveLeft(round(width - p[Up].width() - kButtonGap * pixelsPerTwip));
    p[Down].moveLeft(round(width - p[Down].width() - kButtonGap * pixelsPerTwip));
}

} // namespace ordanex::layout
