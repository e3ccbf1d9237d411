// How the merge job scales with the list: building the command and filling
// the list grow linearly; a move or removal near the end stays constant.

#include "core/entry_list.h"
#include "core/merge_command.h"

#include <benchmark/benchmark.h>

namespace ordanex {
namespace {

std::vector<std::string> paths(std::int64_t count)
{
    std::vector<std::string> all;
    for (std::int64_t i = 0; i < count; ++i) {
        std::string path = "/home/user/documents/scans/" + std::to_string(i) + "-";
        path.resize(196, 'x');
        all.push_back(path + ".pdf");
    }
    return all;
}

struct NoStart : ProgramStarter {
    StartResult start(const CommandLine& command, EndHandler) override
    {
        benchmark::DoNotOptimize(command.text.data());
        return {true, {}};
    }
};

struct NoMessages : MessageDisplay, MergeListener {
    void showMessage(const std::string&) override {}
    void mergeStarted() override {}
    void mergeEnded(const MergeReport&) override {}
};

void BuildCommand(benchmark::State& state)
{
    MemoryEntryList list;
    list.addAll(paths(state.range(0)));
    NoStart starter;
    NoMessages messages;
    MergeCommand command(starter, messages, messages);
    for (auto _ : state)
        benchmark::DoNotOptimize(command.run("/usr/bin", list, "/home/user/nonexistent/out.pdf"));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BuildCommand)
    ->RangeMultiplier(4)
    ->Range(512, EntryList::kMaxEntries)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void FillList(benchmark::State& state)
{
    const auto all = paths(state.range(0));
    for (auto _ : state) {
        MemoryEntryList list;
        list.addAll(all);
        benchmark::DoNotOptimize(list.count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(FillList)
    ->RangeMultiplier(4)
    ->Range(512, EntryList::kMaxEntries)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void MoveUpNearEnd(benchmark::State& state)
{
    MemoryEntryList list;
    list.addAll(paths(state.range(0)));
    for (auto _ : state) {
        list.select(list.count() - 2);
        list.moveUp();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(MoveUpNearEnd)
    ->RangeMultiplier(4)
    ->Range(512, EntryList::kMaxEntries)
    ->Complexity(benchmark::o1);

void RemoveSelectedNearEnd(benchmark::State& state)
{
    MemoryEntryList list;
    list.addAll(paths(state.range(0)));
    const std::string refill = list.text(0);
    for (auto _ : state) {
        list.select(list.count() - 2);
        list.removeSelected();
        list.add(refill); // keep the list full for the next round
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(RemoveSelectedNearEnd)
    ->RangeMultiplier(4)
    ->Range(512, EntryList::kMaxEntries)
    ->Complexity(benchmark::o1);

} // namespace
} // namespace ordanex

BENCHMARK_MAIN();
