// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_box_entries.h"

#include <QListWidget>

namespace ordanex {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

int ListBoxEntries::storedCount() const
{
    return box_.count();
}

std::string ListBoxEntries::storedText(int index) const
{
    return box_.item(index)->text().toStdString();
}

void ListBoxEntries::storeText(int index, std::string_view text)
{
    box_.item(index)->setText(fromUtf8(text));
}

int ListBoxEntries::storedSelection() const
{
    const QModelIndexList selected = box_.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? kNoSelection : selected.front().row();
}

void ListBoxEntries::storeSelection(int index)
{
    if (index == kNoSelection)
        box_.selectionModel()->clear();
    else
        box_.setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

void ListBoxEntries::storeAppend(std::span<const std::string> texts)
{
    QStringList batch;
    batch.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        batch.append(fromUtf8(text));
    // One insertion for the whole batch, so the view lays out once.
    box_.addItems(batch);
}

void ListBoxEntries::storeRemove(int index)
{
    delete box_.takeItem(index);
}

} // namespace ordanex
