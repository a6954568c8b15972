// Dotwise on one long story: number N paragraphs in one action, then shift every second one a level in,
// one palette action each, as a user picking them would. Time per paragraph stays flat when both are
// linear in the number of paragraphs.
#include <benchmark/benchmark.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "dotwise/engine/list_run.h"
#include "dotwise/tests/probe/probe_api.h"
#include "host/host.h"
#include "host/model/text/text_boxes.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace {

namespace testdoc = host::model::testdoc;

constexpr int32_t kContentTool = 1;

/// A host with the Dotwise probe and one text box of `count` short paragraphs.
class LongList {
public:
    explicit LongList(int count)
    {
        m_folder = std::filesystem::temp_directory_path() / ("dotwise-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        host::HostOptions options;
        options.systemDirectory = m_folder;
        m_host = std::make_unique<host::Host>(options);
        const auto results = m_host->loadModules({DOTWISE_PROBE_FILE});
        if (results.empty() || !results[0].loaded) {
            std::fprintf(stderr, "cannot load the Dotwise probe\n");
            std::abort();
        }
        void* library = dlopen(DOTWISE_PROBE_FILE, RTLD_NOW | RTLD_NOLOAD);
        m_probe = static_cast<const dotwise::probe::ProbeApi*>(dlsym(library, dotwise::probe::kProbeSymbol));
        dlclose(library);
        m_layout = &m_host->newDocument({.pageCount = 1});
        m_box = testdoc::addTextBox(*m_layout, 0, testdoc::rect(36, 36, 700, 500)).ref();
        std::string text;
        for (int i = 0; i < count; ++i)
            text += i + 1 < count ? "List item text\r" : "List item text";
        testdoc::setText(*m_layout, m_box, text);
        testdoc::select(*m_layout, {m_box});
        m_layout->items().selection().setTool(kContentTool);
    }

    ~LongList()
    {
        m_host.reset();
        std::filesystem::remove_all(m_folder);
    }

    host::model::Story& story() { return *host::model::storyOfTextBox(*m_layout, m_box); }

    void numberAll()
    {
        story().select(0, story().length());
        m_probe->runListAction(dotwise::ActionNumbers);
    }

    /// A caret in every second paragraph in turn, each shifted a level in.
    void shiftEverySecond()
    {
        const std::u16string& text = story().text();
        int32_t start = 0;
        bool second = false;
        while (start < static_cast<int32_t>(text.size())) {
            const size_t end = text.find(u'\r', static_cast<size_t>(start));
            if (second) {
                story().select(start, start);
                m_probe->runListAction(dotwise::ActionLevelIn);
            }
            second = !second;
            if (end == std::u16string::npos)
                break;
            start = static_cast<int32_t>(end) + 1;
        }
    }

private:
    std::filesystem::path m_folder;
    std::unique_ptr<host::Host> m_host;
    const dotwise::probe::ProbeApi* m_probe = nullptr;
    host::model::Layout* m_layout = nullptr;
    int32_t m_box = 0;
};

void numberThenShift(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<LongList>(count);
        state.ResumeTiming();
        list->numberAll();
        list->shiftEverySecond();
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * count);
    state.counters["us_per_paragraph"] = benchmark::Counter(static_cast<double>(state.iterations()) * count,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(numberThenShift)->ArgName("paragraphs")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
