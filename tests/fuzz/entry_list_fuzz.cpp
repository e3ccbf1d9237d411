// Drives an entry list through random operations and holds it, after every
// step, to a plain vector-and-index model of the same rules.

#include "core/entry_list.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using ordanex::EntryList;

struct Model {
    std::vector<std::string> texts;
    int selection = -1;

    int size() const { return static_cast<int>(texts.size()); }
    bool inRange(int i) const { return i >= 0 && i < size(); }

    void add(const std::string& text, std::size_t times)
    {
        while (times-- > 0 && size() < EntryList::kMaxEntries)
            texts.push_back(text);
    }
    void select(int i)
    {
        if (i == -1 || inRange(i))
            selection = i;
    }
    void moveUp()
    {
        if (selection > 0) {
            std::swap(texts[selection - 1], texts[selection]);
            --selection;
        }
    }
    void moveDown()
    {
        if (selection != -1 && selection < size() - 1) {
            std::swap(texts[selection + 1], texts[selection]);
            ++selection;
        }
    }
    void removeSelected()
    {
        if (selection < 0)
            return;
        texts.erase(texts.begin() + selection);
        if (selection == size()) // the last one went: its predecessor, or none
            --selection;
    }
    void removeAt(int i)
    {
        if (!inRange(i))
            return;
        texts.erase(texts.begin() + i);
        if (selection == i)
            selection = -1;
        else if (selection > i)
            --selection;
    }
    std::string text(int i) const { return inRange(i) ? texts[i] : std::string(); }
    void setText(int i, const std::string& text)
    {
        if (inRange(i))
            texts[i] = text;
    }
};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void compare(const EntryList& list, const Model& model, bool everyEntry)
{
    require(list.count() == model.size());
    require(list.count() <= EntryList::kMaxEntries);
    require(list.selection() == model.selection);
    if (everyEntry) {
        require(list.entries() == model.texts);
        return;
    }
    // Long lists: the entries around the selection and at both ends.
    for (int i : {0, model.selection - 1, model.selection, model.selection + 1, model.size() - 1})
        require(list.text(i) == model.text(i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    ordanex::MemoryEntryList list;
    Model model;
    while (input.remaining_bytes() > 0) {
        const int n = model.size();
        // Mostly near the list, sometimes anywhere in 16 bits.
        const int index = input.ConsumeBool() ? input.ConsumeIntegralInRange(-2, n + 1)
                                              : input.ConsumeIntegral<std::int16_t>();
        switch (input.ConsumeIntegralInRange(0, 8)) {
        case 0: {
            const std::string text = input.ConsumeRandomLengthString(64);
            require(list.add(text) == (n < EntryList::kMaxEntries));
            model.add(text, 1);
            break;
        }
        case 1: {
            // Now and then a batch large enough to reach the limit.
            const std::string text = input.ConsumeRandomLengthString(8);
            const bool large = input.ConsumeIntegralInRange(0, 7) == 7;
            const auto times = input.ConsumeIntegralInRange<std::size_t>(0, large ? 40000 : 8);
            const std::vector<std::string> batch(times, text);
            const std::size_t added = list.addAll(batch);
            require(added == std::min<std::size_t>(times, EntryList::kMaxEntries - n));
            model.add(text, times);
            break;
        }
        case 2: list.select(index); model.select(index); break;
        case 3: list.moveUp(); model.moveUp(); break;
        case 4: list.moveDown(); model.moveDown(); break;
        case 5: list.removeSelected(); model.removeSelected(); break;
        case 6: list.removeAt(index); model.removeAt(index); break;
        case 7: require(list.text(index) == model.text(index)); break;
        case 8: {
            const std::string text = input.ConsumeRandomLengthString(64);
            list.setText(index, text);
            model.setText(index, text);
            break;
        }
        }
        compare(list, model, model.size() <= 256);
    }
    compare(list, model, true);
    return 0;
}
