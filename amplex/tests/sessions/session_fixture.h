// Amplex driven as a user drives it: layout-host runs a session script with the plug-ins this build
// made, on a document built in a few lines, and the test reads what the session printed and saved.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/model/document_model.h"
#include "testing/temporary_folder.h"

namespace amplex::testing {

/// What one session did: its exit code, what it printed, and the files it saved.
struct SessionOutcome {
    int exitCode = -1;
    std::string printed;
    std::filesystem::path work;

    /// The saved file's text; empty when the session did not write it.
    std::string saved(const std::string& name) const;
    /// The same read as JSON (discarded when it is not).
    nlohmann::json document(const std::string& name) const;
};

class AmplexSessionTest : public ::testing::Test {
protected:
    /// A fresh document of `pages` US Letter pages; the session opens it as "doc.json".
    host::model::Layout& newDocument(int32_t pages = 1);
    host::model::Layout& layout() { return *m_layout; }

    /// Saves the document, then runs the script (which opens "doc.json" first) in a fresh work folder.
    SessionOutcome run(const std::string& name, const std::vector<std::string>& lines);

    /// The lines that open the document, select everything on page 1, give the dialog `dialogLines`
    /// (after choosing Selection and Percent) and scale; then save the document before and after,
    /// undone, redone and undone again (before, scaled, undone, redone, undone-again .json).
    static std::vector<std::string> scaleUndoRedo(const std::vector<std::string>& dialogLines);

    /// Expects the scale to have changed the document, undo to give back the document before it
    /// byte for byte, and redo the document after it.
    static void expectExactUndoRedo(const SessionOutcome& outcome);
    /// The same for a step and repeat, whose undo keeps the copies and pages it made: undo after
    /// redo gives back the first undo's document, and that one keeps the scaled document's items.
    static void expectUndoKeepingCopies(const SessionOutcome& outcome);

    xt_testing::TemporaryFolder m_folder{"amplex-session"};

private:
    host::model::DocumentModel m_model;
    host::model::Layout* m_layout = nullptr;
};

} // namespace amplex::testing
