// Opening and saving documents of 10,000 and 100,000 items (boxes, lines, and text boxes with short
// stories): time for each size (ten times the items, ten times the time when both are linear), and the peak memory
// each takes beyond the file's own size, per item, measured in a child process of its own.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "host/model/document_json.h"
#include "host/model/text/text_boxes.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace {

namespace testdoc = host::model::testdoc;
constexpr int kItemsPerPage = 50;

std::filesystem::path documentFile(int items)
{
    return std::filesystem::temp_directory_path() / ("document-bench-" + std::to_string(::getpid()) + "-" + std::to_string(items) + ".json");
}

/// A third each of boxes, lines and text boxes with a sentence of their own, fifty items a page.
const std::filesystem::path& fileOf(int items)
{
    static std::map<int, std::filesystem::path> made;
    if (auto found = made.find(items); found != made.end())
        return found->second;
    host::model::DocumentModel model;
    host::model::Layout& layout = model.newDocument({.pageCount = items / kItemsPerPage});
    for (int i = 0; i < items; ++i) {
        const auto page = static_cast<size_t>(i / kItemsPerPage);
        const double top = (i % kItemsPerPage) * 14.0;
        if (i % 3 == 0) {
            testdoc::addBox(layout, page, testdoc::rect(top, 36, top + 12, 200));
        } else if (i % 3 == 1) {
            testdoc::addLine(layout, page, testdoc::point(top, 210), testdoc::point(top, 400));
        } else {
            const int32_t box = testdoc::addTextBox(layout, page, testdoc::rect(top, 410, top + 12, 576)).ref();
            testdoc::setText(layout, box, "Item " + std::to_string(i) + " says a few words.");
        }
    }
    const std::filesystem::path file = documentFile(items);
    if (!host::model::saveDocument(*model.projectOf(layout), file)) {
        std::fprintf(stderr, "could not write %s\n", file.c_str());
        std::exit(1);
    }
    return made[items] = file;
}

/// A value from /proc/self/status in bytes ("VmRSS", "VmHWM").
long statusBytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0)
            return std::stol(line.substr(key.size() + 1)) * 1024;
    }
    return 0;
}

enum class Work { Open, OpenAndSave };

/// The peak resident memory the work adds, measured in a child so that each size starts afresh.
long peakAddedBytes(const std::filesystem::path& file, Work work)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        // The parent's freed heap goes back to the system and the high-water mark starts from here, so
        // the child counts only what the work takes.
        ::malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = statusBytes("VmRSS");
        long added = -1;
        {
            host::model::DocumentModel model;
            const auto opened = host::model::openDocument(file, model);
            if (opened && work == Work::OpenAndSave)
                host::model::saveDocument(*opened.project, file.string() + ".saved");
            if (opened)
                added = statusBytes("VmHWM") - before;
        }
        [[maybe_unused]] const auto written = ::write(pipeEnds[1], &added, sizeof added);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    long added = -1;
    if (::read(pipeEnds[0], &added, sizeof added) != sizeof added)
        added = -1;
    ::close(pipeEnds[0]);
    ::waitpid(child, nullptr, 0);
    return added;
}

void reportMemory(benchmark::State& state, const std::filesystem::path& file, Work work)
{
    const auto items = static_cast<double>(state.range(0));
    const auto fileSize = static_cast<double>(std::filesystem::file_size(file));
    const auto peak = static_cast<double>(peakAddedBytes(file, work));
    state.counters["file_bytes_per_item"] = fileSize / items;
    state.counters["peak_bytes_per_item_beyond_file"] = (peak - fileSize) / items;
}

void BM_OpenDocument(benchmark::State& state)
{
    const std::filesystem::path& file = fileOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        host::model::DocumentModel model;
        const auto opened = host::model::openDocument(file, model);
        if (!opened)
            state.SkipWithError(opened.error.c_str());
        benchmark::DoNotOptimize(opened.project);
    }
    reportMemory(state, file, Work::Open);
}

void BM_SaveDocument(benchmark::State& state)
{
    const std::filesystem::path& file = fileOf(static_cast<int>(state.range(0)));
    host::model::DocumentModel model;
    const auto opened = host::model::openDocument(file, model);
    const std::filesystem::path saved = file.string() + ".saved";
    for (auto _ : state) {
        if (!host::model::saveDocument(*opened.project, saved))
            state.SkipWithError("the save failed");
    }
    reportMemory(state, file, Work::OpenAndSave);
    std::filesystem::remove(saved);
}

BENCHMARK(BM_OpenDocument)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SaveDocument)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (int items : {10000, 100000})
        std::filesystem::remove(documentFile(items));
    return 0;
}
