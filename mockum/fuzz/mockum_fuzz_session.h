// The session both Mockum fuzzers run in: a host with Mockum9.xnt loaded, its menus built, and a
// three-page document with one text box, made once per process.
#pragma once

#include <unistd.h>

#include <cassert>
#include <filesystem>
#include <memory>
#include <string>

#include "host/host.h"
#include "host/model/composer/font_metrics.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace mockum_fuzz {

struct Session {
    std::filesystem::path folder;
    std::unique_ptr<host::Host> host;
    host::model::Layout* layout = nullptr;
    int32_t box = 0;
};

inline Session& session(const char* name)
{
    static Session* made = [name] {
        auto* s = new Session;
        s->folder = std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(s->folder);
        host::HostOptions options;
        options.systemDirectory = s->folder;
        s->host = std::make_unique<host::Host>(options);
        const auto results = s->host->loadModules({XT_MODULE_FILE});
        assert(results.size() == 1 && results[0].loaded && "Mockum9.xnt did not load");
        s->host->startSession();
        s->layout = &s->host->newDocument({.pageCount = 3});
        namespace testdoc = host::model::testdoc;
        s->box = testdoc::addTextBox(*s->layout, 0, testdoc::rect(36, 36, 400, 400)).ref();
        testdoc::setType(*s->layout, s->box, host::model::kMonoFont, testdoc::pt(10));
        return s;
    }();
    return *made;
}

} // namespace mockum_fuzz
