// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/entry_list.h"

class QListWidget;

namespace ordanex {

// The entry list whose storage is the list box itself: the box's items are
// the entries and its selection is the selection, so what the user sees is
// always what will be merged.
class ListBoxEntries final : public EntryList {
public:
    explicit ListBoxEntries(QListWidget& box) : box_(box) {}

protected:
    int storedCount() const override;
    std::string storedText(int index) const override;
    void storeText(int index, std::string_view text) override;
    int storedSelection() const override;
    void storeSelection(int index) override;
    void storeAppend(std::span<const std::string> texts) override;
    void storeRemove(int index) override;

private:
    QListWidget& box_;
};

} // namespace ordanex
