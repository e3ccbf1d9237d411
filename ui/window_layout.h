// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the window's controls go: the design, drawn in twips for a small
// dialog font, scaled by one factor so that every caption is whole in the
// desktop's font, and the rule that follows the window's width.

#include <QRect>
#include <QSize>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ordanex::layout {

// The window's controls, in tab order.
enum Control { List, Caption, Field, FieldLabel, Merge, Up, Down, kControls };
using Placement = std::array<QRect, kControls>;

// What the desktop's fonts and style make of the controls, in pixels.
struct Measures {
    int captionInk = 0;                // how far the list's caption reaches
    int fieldLabelInk = 0;             // how far the field's label reaches
    int designLabelInk = 0;            // how far the design's "Destination:" would
    int textHeight = 0;                // one line of the labels' font
    int fieldHeight = 0;               // the least height the field's style allows
    QSize buttonFrame{};               // what a button's style draws around its caption
    std::array<QSize, 3> buttonText{}; // Merge, Up, Down: caption width, line height
};

Measures measure(const QLabel& caption, const QLabel& fieldLabel, const QLineEdit& field,
                 const std::array<const QPushButton*, 3>& buttons);

// The smallest factor, never below 1, at which every caption is whole.
double fitFactor(const Measures& measures);

// The controls at a factor, before the window's width is followed.
Placement place(const Measures& measures, double factor);
QSize clientSize(double factor);
QSize minimumClientSize(double factor);

// The resize rule: the list and the field stretch to the window's outer
// width, borders included, and Up and Down keep their distance from its
// right edge. Nothing follows the height.
void followWidth(Placement& placement, int outerWidth, double factor);

} // namespace ordanex::layout
