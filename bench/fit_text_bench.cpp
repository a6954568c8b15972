// Fit Text to Box on overset stories of 1,000, 10,000 and 100,000 characters: time per fit, composer
// passes (layout probes) per fit, and time per pass per thousand characters, which stays flat when a
// pass is linear in the story's length.
#include <benchmark/benchmark.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "amplex/tests/probe/fit_probe_api.h"
#include "host/host.h"
#include "host/model/composer/font_metrics.h"
#include "host/model/text/text_boxes.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace {

namespace testdoc = host::model::testdoc;

constexpr double kLineWidth = 500;         // 99 mono characters a line at 10 pt
constexpr double kCharactersPerLine = 99;
constexpr double kLineHeight = 12;
constexpr double kHeldShare = 0.8;         // the box holds four fifths of the text at 10 pt

/// Words of five letters, a paragraph end every 400 characters.
std::string storyText(int length)
{
    std::string text;
    text.reserve(static_cast<size_t>(length));
    while (static_cast<int>(text.size()) < length)
        text += (text.size() % 400 == 395) ? "word\r" : "word ";
    text.resize(static_cast<size_t>(length));
    return text;
}

using ScaleSwitch = uint8_t amplex::ScaleSettings::*;

/// A host with the Amplex probe and one text box whose story overflows it.
class OversetStory {
public:
    explicit OversetStory(int length)
    {
        m_folder = std::filesystem::temp_directory_path() / ("amplex-fit-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        host::HostOptions options;
        options.systemDirectory = m_folder;
        m_host = std::make_unique<host::Host>(options);
        const auto results = m_host->loadModules({AMPLEX_PROBE_FILE});
        if (results.empty() || !results[0].loaded) {
            std::fprintf(stderr, "cannot load the Amplex probe\n");
            std::abort();
        }
        void* library = dlopen(AMPLEX_PROBE_FILE, RTLD_NOW | RTLD_NOLOAD);
        m_fit = static_cast<const amplex::probe::FitProbeApi*>(dlsym(library, amplex::probe::kFitProbeSymbol));
        dlclose(library);
        m_layout = &m_host->newDocument({.pageCount = 1});
        const double lines = length / kCharactersPerLine + 1;
        const double height = lines * kLineHeight * kHeldShare;
        m_box = testdoc::addTextBox(*m_layout, 0, testdoc::rect(0, 0, height, kLineWidth + 2)).ref();
        testdoc::setTextFrame(*m_layout, m_box, testdoc::pt(1));
        testdoc::setText(*m_layout, m_box, storyText(length));
        testdoc::select(*m_layout, {m_box});
        amplex::ScaleSettings& s = *m_fit->currentSettings();
        s.FitToBox = 1;
        s.FitCommand = amplex::FitStoryToBox;
        // Text size alone takes part, so that resetting the type resets everything a fit changed.
        const ScaleSwitch switches[] = {&amplex::ScaleSettings::FitLeading, &amplex::ScaleSettings::FitSpaceBefore,
            &amplex::ScaleSettings::FitSpaceAfter, &amplex::ScaleSettings::FitTracking,
            &amplex::ScaleSettings::FitHorizontalScale, &amplex::ScaleSettings::FitIndents};
        for (const ScaleSwitch field : switches)
            s.*field = 0;
        s.FitTextSize = 1;
    }

    ~OversetStory()
    {
        m_host.reset();
        std::filesystem::remove_all(m_folder);
    }

    void resetType() { testdoc::setType(*m_layout, m_box, host::model::kMonoFont, testdoc::pt(10)); }
    void fit() { m_fit->fitTextToBox(m_box); }
    void clearUndo() { m_fit->clearUndo(); }
    int32_t passes() const { return m_host->faults().callCount("CopyTextToHandle2828"); }
    /// Fine tuning for the text size alone, or none at all: a fine-tune switch of an attribute that
    /// does not take part would still run the fine phases, to their limit.
    void setFineTune(bool on)
    {
        amplex::ScaleSettings& s = *m_fit->currentSettings();
        const ScaleSwitch switches[] = {&amplex::ScaleSettings::FineTuneLeading,
            &amplex::ScaleSettings::FineTuneSpaceBefore, &amplex::ScaleSettings::FineTuneSpaceAfter,
            &amplex::ScaleSettings::FineTuneTracking, &amplex::ScaleSettings::FineTuneHorizontalScale,
            &amplex::ScaleSettings::FineTuneIndents};
        for (const ScaleSwitch field : switches)
            s.*field = 0;
        s.FineTuneTextSize = on;
    }

private:
    std::filesystem::path m_folder;
    std::unique_ptr<host::Host> m_host;
    const amplex::probe::FitProbeApi* m_fit = nullptr;
    host::model::Layout* m_layout = nullptr;
    int32_t m_box = 0;
};

void fitTextToBox(benchmark::State& state)
{
    const int length = static_cast<int>(state.range(0));
    OversetStory story(length);
    story.setFineTune(state.range(1) != 0);
    int64_t passes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        story.resetType();
        story.clearUndo();
        const int32_t before = story.passes();
        state.ResumeTiming();
        story.fit();
        passes += story.passes() - before;
    }
    const double fits = static_cast<double>(state.iterations());
    state.counters["passes_per_fit"] = static_cast<double>(passes) / fits;
    state.counters["passes"] = benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate
        | benchmark::Counter::kInvert);
    state.counters["pass_per_kchar"] = benchmark::Counter(static_cast<double>(passes) * length / 1000.0,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetItemsProcessed(static_cast<int64_t>(passes) * length);
}

BENCHMARK(fitTextToBox)
    ->ArgNames({"chars", "fine"})
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
