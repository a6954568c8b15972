// libFuzzer target: document files (layouts, pages, stories and their runs) as the host opens them.
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <nlohmann/json.hpp>

#include "host/model/document_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    host::model::DocumentModel model;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const host::model::OpenResult opened = host::model::documentFromText(text, model);
    if (!opened) {
        // A refused file adds nothing to the model.
        assert(model.projectCount() == 0 && "a refused document left a project behind");
        return 0;
    }
    // What was read must write and read back to the same JSON.
    const auto written = host::model::documentToJson(*opened.project);
    host::model::DocumentModel again;
    const host::model::OpenResult reopened = host::model::documentFromJson(written, again);
    assert(reopened && "a document the host read could not be read back after writing");
    assert(host::model::documentToJson(*reopened.project) == written && "a document changed on its round trip");
    return 0;
}
