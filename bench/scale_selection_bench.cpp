// Scaling a layout of N items (plain boxes, lines and groups) through ScaleSelection, beside the
// host's bare record round trip over the same items: both in items per second.
#include <benchmark/benchmark.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "amplex/tests/probe/engine_probe_api.h"
#include "host/host.h"
#include "host/model/items/item_store.h"
#include "testing/test_document.h"

namespace {

namespace testdoc = host::model::testdoc;

/// A host with the Amplex probe loaded and one page of `count` top-level items in rows: a plain box,
/// a line, and a group of two boxes, over and over.
class Layout {
public:
    explicit Layout(int count)
    {
        m_folder = std::filesystem::temp_directory_path() / ("amplex-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        host::HostOptions options;
        options.systemDirectory = m_folder;
        m_host = std::make_unique<host::Host>(options);
        const auto results = m_host->loadModules({AMPLEX_PROBE_FILE});
        if (results.empty() || !results[0].loaded) {
            const char* why = results.empty() ? "" : results[0].message.c_str();
            std::fprintf(stderr, "cannot load the Amplex probe: %s\n", why);
            std::abort();
        }
        void* library = dlopen(AMPLEX_PROBE_FILE, RTLD_NOW | RTLD_NOLOAD);
        m_engine = static_cast<const amplex::probe::EngineProbeApi*>(dlsym(library, amplex::probe::kEngineProbeSymbol));
        dlclose(library);
        m_layout = &m_host->newDocument();
        for (int i = 0; i < count; ++i)
            m_items.push_back(addItem(i));
        amplex::ScaleSettings& settings = *m_engine->currentSettings();
        settings.ScaleWhat = amplex::ScaleSelectionOnly;
        settings.Constrain = 0;
    }

    ~Layout()
    {
        m_host.reset();
        std::filesystem::remove_all(m_folder);
    }

    const amplex::probe::EngineProbeApi& engine() const { return *m_engine; }
    const std::vector<int32_t>& items() const { return m_items; }
    void select(int32_t item) { testdoc::select(*m_layout, {item}); }
    void setFactor(double factor)
    {
        m_engine->currentSettings()->HorizontalFactor = testdoc::pt(factor);
        m_engine->currentSettings()->VerticalFactor = testdoc::pt(factor);
    }

private:
    int32_t addItem(int i)
    {
        const double top = 20 + (i / 40) % 500;
        const double left = 20 + 10 * (i % 40);
        switch (i % 3) {
        case 0:
            return testdoc::addBox(*m_layout, 0, testdoc::rect(top, left, top + 8, left + 8)).ref();
        case 1:
            return testdoc::addLine(*m_layout, 0, testdoc::point(top, left), testdoc::point(top + 4, left + 8)).ref();
        default: {
            const int32_t a = testdoc::addBox(*m_layout, 0, testdoc::rect(top, left, top + 4, left + 4)).ref();
            const int32_t b = testdoc::addBox(*m_layout, 0, testdoc::rect(top + 4, left + 4, top + 8, left + 8)).ref();
            return testdoc::addGroup(*m_layout, {a, b}).ref();
        }
        }
    }

    std::filesystem::path m_folder;
    std::unique_ptr<host::Host> m_host;
    const amplex::probe::EngineProbeApi* m_engine = nullptr;
    host::model::Layout* m_layout = nullptr;
    std::vector<int32_t> m_items;
};

void scaleSelection(benchmark::State& state)
{
    Layout layout(static_cast<int>(state.range(0)));
    bool grow = true;
    for (auto _ : state) {
        // Each pass is one scale command: the undo list starts empty, every item is scaled once.
        // Doubling and halving in turn keeps the layout as it was.
        layout.engine().clearUndo();
        layout.setFactor(grow ? 2.0 : 0.5);
        grow = !grow;
        for (const int32_t item : layout.items()) {
            // As the scale command does: select, measure the selection, scale it.
            layout.select(item);
            layout.engine().measureSelection();
            layout.engine().scaleSelection();
        }
    }
    layout.engine().clearUndo();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void recordRoundTrip(benchmark::State& state)
{
    Layout layout(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const int32_t item : layout.items()) {
            layout.select(item);
            layout.engine().recordRoundTrip();
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(scaleSelection)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(recordRoundTrip)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
