// A host on a system folder of its own with a plug-in's probe module loaded (the plug-in with its own
// calls exported for tests): the set-up every plug-in fixture that goes through the host shares.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/model/items/item_store.h"
#include "host/ui/dialog_script.h"
#include "testing/temporary_folder.h"

namespace xt_testing {

/// Gives each test a fresh system folder; `startHost` puts a host with the probe loaded on it and
/// `resolveTable` finds a table of calls the probe exports. A fixture opens the document it wants
/// with `newDocument` (or opens one into `m_layout` itself).
class ProbeHostTest : public ::testing::Test {
protected:
    explicit ProbeHostTest(std::filesystem::path probeFile) : m_probeFile(std::move(probeFile)) {}

    void SetUp() override;
    void TearDown() override;

    /// Starts a new host on the same system folder; `beforeLoad` may prepare it (faults, say).
    void startHost(int16_t languageCode = 0, const std::function<void(host::Host&)>& beforeLoad = {});

    /// The loaded probe's exported table named `symbol`.
    template <class Api>
    void resolveTable(const char* symbol, const Api*& table) const
    {
        table = static_cast<const Api*>(probeSymbol(symbol));
        ASSERT_NE(table, nullptr) << "the probe exports no " << symbol;
    }

    /// A new document of `pages` pages, made current and kept in `m_layout`.
    host::model::Layout& newDocument(int32_t pages);
    /// Where most plug-in tests begin: `startHost`, the session started, and a new document of `pages` pages.
    void startSessionWithDocument(int32_t pages);

    host::model::Layout& layout() { return *m_layout; }
    host::model::ItemStore& items() { return m_layout->items(); }
    /// The item, which the test expects to exist.
    host::model::Item& item(int32_t ref);
    xt::FixedRect boundsOf(int32_t ref);
    /// Makes the items the selection, as a user clicking them would.
    void select(const std::vector<int32_t>& refs);

    /// The texts of the message boxes shown so far, in order.
    std::vector<std::string> messageTexts() const;
    /// The scripted user who answers the dialogs, and the dialogs shown so far, in order.
    host::ui::DialogUser& user();
    const std::vector<host::ui::DialogRecord>& dialogs() const;
    /// Project `index` as it would be saved, for comparing before and after.
    std::string saved(size_t index = 0) const;

    /// The system folder, and a file in it by the name a plug-in gives it on Windows ("C:\WINDOWS\system32\x").
    const std::filesystem::path& systemFolder() const { return m_folder->path(); }
    static std::string windowsPath(const std::string& name) { return "C:\\WINDOWS\\system32\\" + name; }
    std::filesystem::path realPath(const std::string& name) const { return systemFolder() / name; }

    std::unique_ptr<host::Host> m_host;
    /// The document the fixture opened, once it has opened one.
    host::model::Layout* m_layout = nullptr;

private:
    void* probeSymbol(const char* symbol) const;

    std::filesystem::path m_probeFile;
    std::optional<TemporaryFolder> m_folder;
};

} // namespace xt_testing
