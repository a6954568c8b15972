// Documents saved and opened as JSON files: one project a file, with its layouts and pages.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "host/model/document_model.h"

namespace host::model {

/// Every document file names its format and version, so a reader can refuse what it does not know.
inline constexpr std::string_view kDocumentFormat = "vorne-layout";
inline constexpr int kDocumentFormatVersion = 1;

/// The outcome of reading a document: the project added to the model, or why nothing was added.
struct OpenResult {
    Project* project = nullptr;
    std::string error;
    explicit operator bool() const { return project != nullptr; }
};

/// The outcome of writing a document: empty when it was written.
struct SaveResult {
    std::string error;
    explicit operator bool() const { return error.empty(); }
};

/// Keys keep their written order, so a saved file reads top-down: format, version, then the content.
nlohmann::ordered_json documentToJson(const Project& project);
/// Writes the text of documentToJson printed with an indent of two, without ever holding the whole
/// document as JSON: a layout's items and stories are made and written one at a time.
void writeDocumentJson(std::ostream& out, const Project& project);

/// Checks the whole document before it touches the model, so a damaged one adds nothing.
/// The new project is added but not made current.
OpenResult documentFromJson(const nlohmann::ordered_json& document, DocumentModel& model);
/// As documentFromJson, from the text of a file; text that is not JSON is refused with where it broke.
OpenResult documentFromText(std::string_view text, DocumentModel& model);
/// As documentFromText, parsing the text as the stream gives it, so that a large file is never held
/// whole as text; a stream that fails to read is refused as "it cannot be read".
OpenResult documentFromStream(std::istream& in, DocumentModel& model);

/// Writes next to the target and renames over it, so a failed save leaves the old file as it was.
SaveResult saveDocument(const Project& project, const std::filesystem::path& file);
/// Reads the file and adds its project to the model; the first layout becomes current.
OpenResult openDocument(const std::filesystem::path& file, DocumentModel& model);

} // namespace host::model
