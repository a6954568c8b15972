// Mockum's greek and ungreek of one long story shown by a chain of linked boxes, against the host's own
// read and write of the same story: characters per second, for stories of 1 MB and 10 MB.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/host_context.h"
#include "host/model/composer/font_metrics.h"
#include "host/model/text/story.h"
#include "testing/test_document.h"
#include "testing/test_text.h"
#include "xtapi/operations.h"

namespace {

namespace testdoc = host::model::testdoc;

constexpr int kTextTool = 1;
constexpr int kBoxes = 8;

template <class Op>
auto hostOp()
{
    return reinterpret_cast<typename Op::Signature*>(host::context().tables().entryOf(Op::number));
}

/// Words of two to nine letters with digits and punctuation, a paragraph end every few hundred characters.
std::string storyText(size_t length)
{
    static const char* const kWords[] = {"lorem", "ipsum", "dolor", "sit", "amet,", "2024", "consectetaur",
        "adipisicing", "elit.", "Sed", "do", "eiusmod", "tempor", "17", "incididunt"};
    std::string text;
    text.reserve(length);
    for (size_t i = 0; text.size() < length; ++i) {
        text += kWords[i % std::size(kWords)];
        text += (i % 61 == 60) ? '\r' : ' ';
    }
    text.resize(length);
    return text;
}

/// A host with Mockum loaded and a chain of text boxes on one page showing a story of `length` characters.
class LongStory {
public:
    explicit LongStory(size_t length)
    {
        m_folder = std::filesystem::temp_directory_path() / ("mockum-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        host::HostOptions options;
        options.systemDirectory = m_folder;
        m_host = std::make_unique<host::Host>(options);
        const auto results = m_host->loadModules({MOCKUM_MODULE_FILE});
        if (results.empty() || !results[0].loaded) {
            std::fprintf(stderr, "cannot load Mockum9.xnt\n");
            std::abort();
        }
        m_host->startSession();
        m_layout = &m_host->newDocument({.pageCount = 1});
        for (int i = 0; i < kBoxes; ++i) {
            const double top = 10 + 90 * i;
            const int32_t box = testdoc::addTextBox(*m_layout, 0, testdoc::rect(top, 10, top + 80, 590)).ref();
            testdoc::setTextFrame(*m_layout, box, testdoc::pt(1));
            m_boxes.push_back(box);
        }
        testdoc::linkChain(*m_layout, {m_boxes[0], m_boxes[1], m_boxes[2], m_boxes[3], m_boxes[4], m_boxes[5], m_boxes[6], m_boxes[7]});
        m_story = &testdoc::setText(*m_layout, m_boxes[0], storyText(length));
    }

    ~LongStory()
    {
        m_host.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    /// The whole story selected with the text tool: the greek item greeks every word of it.
    void selectAllText()
    {
        testdoc::select(*m_layout, {m_boxes[0]});
        m_layout->items().selection().setTool(kTextTool);
        m_story->select(0, m_story->length());
    }

    void greek() { m_host->chooseMenuItem("VORNE > Greek-Ungreek Text"); }

    /// The host's own read of every character and write of them back (remove, then insert).
    void readAndWrite()
    {
        const int32_t length = m_story->length();
        std::vector<uint16_t> chars(static_cast<size_t>(length));
        hostOp<xt::op::GetTextChars>()(m_story->ref(), 0, length, chars.data());
        hostOp<xt::op::XhjOp3103>()(m_story->ref(), 0, length);
        hostOp<xt::op::InsertTextChars>()(m_story->ref(), 0, length, chars.data(), 0);
    }

    const std::u16string& text() const { return m_story->text(); }

private:
    std::filesystem::path m_folder;
    std::unique_ptr<host::Host> m_host;
    host::model::Layout* m_layout = nullptr;
    std::vector<int32_t> m_boxes;
    host::model::Story* m_story = nullptr;
};

constexpr size_t kMegabyte = 1 << 20;

void BM_GreekAndUngreek(benchmark::State& state)
{
    LongStory story(static_cast<size_t>(state.range(0)) * kMegabyte);
    story.selectAllText();
    const std::u16string before = story.text();
    // The first pass over a story costs far more than the ones after it, and the 10 MB case runs one
    // iteration where 1 MB runs hundreds: one untimed pass first, so both sizes time the same thing.
    story.greek();
    story.greek();
    for (auto _ : state) {
        story.greek();
        story.greek();
    }
    if (story.text() != before)
        state.SkipWithError("greeking twice did not give the text back");
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(before.size()));
    state.SetLabel("characters: greek + ungreek");
}
BENCHMARK(BM_GreekAndUngreek)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_HostReadAndWrite(benchmark::State& state)
{
    LongStory story(static_cast<size_t>(state.range(0)) * kMegabyte);
    for (auto _ : state)
        story.readAndWrite();
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(story.text().size()));
    state.SetLabel("characters: one read and write");
}
BENCHMARK(BM_HostReadAndWrite)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
