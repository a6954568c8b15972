// Saving a document to a file and opening one, without ever leaving a half-written file behind.
#include <fstream>
#include <iterator>
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

SaveResult writeText(const fs::path& file, const std::string& text)
{
    const fs::path temporary = temporaryPathFor(file);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return {"cannot write " + describe(file) + ": the folder is missing or not writable"};
        out << text;
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return {"cannot write " + describe(file) + ": the disk refused the data"};
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
    std::string text;
    try {
        text = documentToJson(project).dump(2) + "\n";
    } catch (const nlohmann::ordered_json::type_error&) {
        // The serializer refuses names that are not UTF-8 rather than write a file no reader accepts.
        return {"cannot write " + describe(file) + ": a name in the document is not UTF-8 text"};
    }
    return writeText(file, text);
}

OpenResult openDocument(const fs::path& file, DocumentModel& model)
{
    std::error_code error;
    if (!fs::exists(file, error))
        return {nullptr, "cannot open " + describe(file) + ": no such file"};
    if (!fs::is_regular_file(file, error))
        return {nullptr, "cannot open " + describe(file) + ": it is not a file"};
    std::ifstream in(file, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.is_open() || in.bad())
        return {nullptr, "cannot open " + describe(file) + ": it cannot be read"};
    OpenResult result = documentFromText(text, model);
    if (!result)
        return {nullptr, "cannot open " + describe(file) + ": " + result.error};
    model.setCurrent(&result.project->layout(0));
    return result;
}

} // namespace host::model
