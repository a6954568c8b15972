// Saving a document to a file and opening one, without ever leaving a half-written file behind.
#include <fstream>
#include <system_error>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "host/model/document_json.h"

namespace host::model {
namespace {

namespace fs = std::filesystem;

/// A sibling of the target, so that the final rename stays within one file system.
fs::path temporaryPathFor(const fs::path& file)
{
    return fs::path(file).concat(".saving-" + std::to_string(::getpid()));
}

std::string describe(const fs::path& file)
{
    return "\"" + file.string() + "\"";
}

/// Writes the document straight into the file (never the whole text, nor the whole document as JSON, in
/// memory beside the model), next to the target, then renames it over the target.
SaveResult writeDocument(const fs::path& file, const Project& project)
{
    const fs::path temporary = temporaryPathFor(file);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return {"cannot write " + describe(file) + ": the folder is missing or not writable"};
        std::string problem;
        try {
            writeDocumentJson(out, project);
            out << "\n";
            out.flush();
            if (!out)
                problem = "the disk refused the data";
        } catch (const nlohmann::ordered_json::type_error&) {
            // The serializer refuses names that are not UTF-8 rather than write a file no reader accepts.
            problem = "a name in the document is not UTF-8 text";
        }
        if (!problem.empty()) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return {"cannot write " + describe(file) + ": " + problem};
        }
    }
    std::error_code error;
    fs::rename(temporary, file, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return {"cannot write " + describe(file) + ": " + error.message()};
    }
    return {};
}

} // namespace

SaveResult saveDocument(const Project& project, const fs::path& file)
{
    return writeDocument(file, project);
}

OpenResult openDocument(const fs::path& file, DocumentModel& model)
{
    std::error_code error;
    if (!fs::exists(file, error))
        return {nullptr, "cannot open " + describe(file) + ": no such file"};
    if (!fs::is_regular_file(file, error))
        return {nullptr, "cannot open " + describe(file) + ": it is not a file"};
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open())
        return {nullptr, "cannot open " + describe(file) + ": it cannot be read"};
    OpenResult result = documentFromStream(in, model);
    if (!result)
        return {nullptr, "cannot open " + describe(file) + ": " + result.error};
    model.setCurrent(&result.project->layout(0));
    return result;
}

} // namespace host::model
