// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the merge job scales with the list: building the command and filling
// the list grow linearly; a move or removal near the end stays constant.
// Merge with three merges running is timed on files that exist.

#include "app/disk.h"
#include "core/entry_list.h"
#include "core/merge_command.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

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

struct NoStart : ToolStarter {
    std::vector<EndHandler> running;
    bool passesUnchanged(std::string_view) const override { return true; }
    StartResult start(const CommandLine& command, EndHandler ended) override
    {
        benchmark::DoNotOptimize(command.text.data());
        running.push_back(std::move(ended));
        return {true, {}};
    }
    void endAll()
    {
        for (const EndHandler& ended : running)
            ended({});
        running.clear();
    }
};

struct NoMessages : MessageDisplay, Translator, MergeListener {
    void showMessage(const std::string&) override {}
    bool askToReplace(const std::string&) override { return true; }
    std::string translate(const char*, const char* source, const char*, int) const override
    {
        return source;
    }
    void mergeStarted() override {}
    void mergeEnded(const MergeReport&) override {}
};

void BuildCommand(benchmark::State& state)
{
    MemoryEntryList list;
    list.addAll(paths(state.range(0)));
    NoStart starter;
    NoMessages messages;
    const LocalDisk disk;
    MergeFiles files(disk);
    MergeCommand command(starter, messages, messages, messages, files);
    for (auto _ : state) {
        benchmark::DoNotOptimize(command.run("/usr/bin", list, "/home/user/nonexistent/out.pdf"));
        starter.endAll();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BuildCommand)
    ->RangeMultiplier(4)
    ->Range(512, EntryList::kMaxEntries)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// Merge of a full list of files that exist, while three merges of as many
// run, onto a file that exists: every input and every destination is looked
// at, and each pair that might be one file is compared.
void MergeWhileThreeRun(benchmark::State& state)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "ordanex-bench";
    fs::create_directories(folder);
    std::vector<std::string> inputs;
    for (int i = 0; i < EntryList::kMaxEntries; ++i) {
        inputs.push_back((folder / ("scan-" + std::to_string(i) + ".pdf")).string());
        if (!fs::exists(inputs.back()))
            std::ofstream(inputs.back()) << "%PDF";
    }
    MemoryEntryList list;
    list.addAll(inputs);
    NoStart starter;
    NoMessages messages;
    const LocalDisk disk;
    MergeFiles files(disk);
    MergeCommand command(starter, messages, messages, messages, files);
    for (const char* name : {"one.pdf", "two.pdf", "three.pdf", "out.pdf"})
        std::ofstream(folder / name) << "%PDF";
    for (const char* running : {"one.pdf", "two.pdf", "three.pdf"})
        command.run("/usr/bin", list, (folder / running).string());
    const std::string destination = (folder / "out.pdf").string();
    for (auto _ : state) {
        if (command.run("/usr/bin", list, destination) != MergeOutcome::Started)
            state.SkipWithError("Merge did not start");
        state.PauseTiming();
        starter.running.back()({});
        starter.running.pop_back();
        state.ResumeTiming();
    }
}
BENCHMARK(MergeWhileThreeRun)->Unit(benchmark::kMillisecond);

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
