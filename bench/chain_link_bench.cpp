// Threadix linking N text boxes over N / 10 pages into one chain holding 500 KB of text, then unlinking
// every tenth box (the last first, as a page run goes), through its menu item and dialog: N = 1,000 and
// 10,000, to see that the time grows with the number of boxes and not with its square.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/model/composer/font_metrics.h"
#include "host/model/text/text_boxes.h"
#include "host/ui/dialog_script.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace {

namespace testdoc = host::model::testdoc;
using host::ui::DialogAction;

constexpr size_t kTextSize = 500 * 1024;
constexpr int kBoxesPerPage = 10;
constexpr int kUnlinkRadio = 6;
constexpr int kLinkRadio = 7;
/// Monospaced 10 pt type in a box 262 pt wide with 1 pt insets: 52 characters a line, 12 pt a line.
constexpr int kCharactersPerLine = 52;

/// A host with Threadix loaded and N text boxes, each with its share of the text as a paragraph of its own.
class BoxesToLink {
public:
    explicit BoxesToLink(int boxes)
    {
        m_folder = std::filesystem::temp_directory_path() / ("threadix-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        host::HostOptions options;
        options.systemDirectory = m_folder;
        m_host = std::make_unique<host::Host>(options);
        const auto results = m_host->loadModules({THREADIX_MODULE_FILE});
        if (results.empty() || !results[0].loaded) {
            std::fprintf(stderr, "cannot load Threadix8.xnt\n");
            std::abort();
        }
        m_host->startSession();
        m_layout = &m_host->newDocument({.pageCount = boxes / kBoxesPerPage});
        const size_t share = kTextSize / static_cast<size_t>(boxes);
        const int lines = static_cast<int>(share) / kCharactersPerLine + 1;
        const double height = 12.0 * lines + 2;
        for (int i = 0; i < boxes; ++i) {
            const double top = 10 + (height + 4) * (i % kBoxesPerPage) / 2;
            const double left = (i % 2) * 290.0;
            const auto page = static_cast<size_t>(i / kBoxesPerPage);
            const int32_t box = testdoc::addTextBox(*m_layout, page, testdoc::rect(top, left, top + height, left + 262)).ref();
            testdoc::setTextFrame(*m_layout, box, testdoc::pt(1));
            testdoc::setType(*m_layout, box, host::model::kMonoFont, testdoc::pt(10));
            std::string text(share - 1, static_cast<char>('a' + i % 26));
            for (size_t at = 40; at < text.size(); at += 41)
                text[at] = ' ';
            testdoc::setText(*m_layout, box, text + "\r");
            m_boxes.push_back(box);
        }
    }

    ~BoxesToLink()
    {
        m_host.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    void linkAll()
    {
        testdoc::select(*m_layout, m_boxes);
        run({DialogAction::click(kLinkRadio)});
    }

    /// Unlinks boxes 9, 19, 29... in the default mode (one chain before, one after), the last first.
    void unlinkEveryTenth()
    {
        for (size_t i = m_boxes.size(); i >= kBoxesPerPage; i -= kBoxesPerPage) {
            testdoc::select(*m_layout, {m_boxes[i - 1]});
            run({DialogAction::click(kUnlinkRadio)});
        }
    }

    /// The number of chains and the text they hold, to check the work.
    std::pair<size_t, size_t> chainsAndText() const
    {
        size_t chains = 0;
        size_t text = 0;
        for (int32_t box : m_boxes) {
            if (m_layout->stories().previousBox(box) != 0)
                continue;
            ++chains;
            text += static_cast<size_t>(m_layout->stories().storyOfBox(box)->length());
        }
        return {chains, text};
    }

private:
    void run(const std::vector<DialogAction>& actions)
    {
        for (const auto& action : actions)
            m_host->windows().dialogUser().queue(action);
        m_host->windows().dialogUser().ok();
        m_host->chooseMenuItem("VORNE > Threadix...");
    }

    std::filesystem::path m_folder;
    std::unique_ptr<host::Host> m_host;
    host::model::Layout* m_layout = nullptr;
    std::vector<int32_t> m_boxes;
};

void BM_LinkThenUnlinkEveryTenth(benchmark::State& state)
{
    const int boxes = static_cast<int>(state.range(0));
    size_t chains = 0;
    size_t text = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto document = std::make_unique<BoxesToLink>(boxes);
        state.ResumeTiming();
        document->linkAll();
        document->unlinkEveryTenth();
        state.PauseTiming();
        std::tie(chains, text) = document->chainsAndText();
        document.reset();
        state.ResumeTiming();
    }
    // One chain split at every tenth box: the tenth boxes alone, and a chain before each.
    if (chains != static_cast<size_t>(boxes / kBoxesPerPage * 2) || text != kTextSize / static_cast<size_t>(boxes) * static_cast<size_t>(boxes))
        state.SkipWithError(("the chains are not what linking and unlinking should leave: " + std::to_string(chains) + " chains, " + std::to_string(text) + " characters").c_str());
    state.SetItemsProcessed(state.iterations() * boxes);
    state.SetLabel("boxes linked, a tenth of them unlinked");
}
BENCHMARK(BM_LinkThenUnlinkEveryTenth)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
BENCHMARK_MAIN();
