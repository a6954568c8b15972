// Opening and saving documents of 10,000 and 100,000 items (boxes, lines, and text boxes with short
// stories): time for each size (ten times the items, ten times the time when both are linear), and the peak memory
// each takes beyond the file's own size, per item, measured in a new run of the program for each.
#include <benchmark/benchmark.h>

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

/// What a fresh host process holds: resident before it opens the document, and at its peak.
struct Residence {
    long before = -1;
    long peak = -1;
};

/// Opens (and saves) the document in this process, which must be fresh, and prints what it held.
int measureHere(const std::string& work, const char* file)
{
    const long before = statusBytes("VmRSS");
    host::model::DocumentModel model;
    const auto opened = host::model::openDocument(file, model);
    if (!opened)
        return 1;
    if (work == "save" && !host::model::saveDocument(*opened.project, std::string(file) + ".saved"))
        return 1;
    std::printf("%ld %ld\n", before, statusBytes("VmHWM"));
    std::fflush(stdout);
    // The model is not taken down: that only costs time, and the peak is already known.
    ::_exit(0);
}

/// The work measured in a new run of this program, so that it starts as the host does: its heap
/// empty and its allocator's settings as at start-up, not as this process left them after building
/// and timing large documents (which moves large blocks from their own mappings into the heap).
Residence measureFresh(const std::filesystem::path& file, Work work)
{
    const std::string command = "/proc/" + std::to_string(::getpid()) + "/exe --measure "
        + (work == Work::Open ? "open" : "save") + " '" + file.string() + "'";
    Residence residence;
    if (FILE* child = ::popen(command.c_str(), "r")) {
        if (std::fscanf(child, "%ld %ld", &residence.before, &residence.peak) != 2)
            residence = {};
        if (::pclose(child) != 0)
            residence = {};
    }
    return residence;
}

void reportMemory(benchmark::State& state, const std::filesystem::path& file, Work work)
{
    const auto items = static_cast<double>(state.range(0));
    const auto fileSize = static_cast<double>(std::filesystem::file_size(file));
    const Residence residence = measureFresh(file, work);
    if (residence.peak < 0) {
        state.SkipWithError("the measuring run failed");
        return;
    }
    // "Beyond the file's own size": what the document adds to the host at its peak, less the file's
    // bytes. The host's resident size with no document open (code, libraries, start-up tables) is the
    // same for a document of one item or a million, so it is reported apart, not spread over items.
    const auto added = static_cast<double>(residence.peak - residence.before);
    state.counters["file_bytes_per_item"] = fileSize / items;
    state.counters["host_bytes_without_document"] = static_cast<double>(residence.before);
    state.counters["peak_bytes_per_item_beyond_file"] = (added - fileSize) / items;
    // The same with the host's own resident size left in, for comparison.
    state.counters["peak_bytes_per_item_beyond_file_with_host"] = (static_cast<double>(residence.peak) - fileSize) / items;
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
    if (argc == 4 && std::string(argv[1]) == "--measure")
        return measureHere(argv[2], argv[3]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (int items : {10000, 100000})
        std::filesystem::remove(documentFile(items));
    return 0;
}
