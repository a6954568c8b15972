// The documents' saved JSON as one text, and where two of them part.
#include "host/app/documents_text.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "host/host.h"
#include "host/model/document_json.h"

namespace host::app {
namespace {

std::string differenceIn(const nlohmann::ordered_json& a, const nlohmann::ordered_json& b, const std::string& path)
{
    if (a.type() != b.type())
        return path;
    if (a.is_object()) {
        for (const auto& [key, value] : a.items()) {
            if (!b.contains(key))
                return path + "." + key;
            if (auto inner = differenceIn(value, b[key], path + "." + key); !inner.empty())
                return inner;
        }
        for (const auto& [key, value] : b.items()) {
            if (!a.contains(key))
                return path + "." + key;
        }
        return {};
    }
    if (a.is_array()) {
        const size_t common = std::min(a.size(), b.size());
        for (size_t index = 0; index < common; ++index) {
            if (auto inner = differenceIn(a[index], b[index], path + "[" + std::to_string(index) + "]"); !inner.empty())
                return inner;
        }
        return a.size() == b.size() ? std::string() : path + " (" + std::to_string(a.size()) + " entries, then "
                + std::to_string(b.size()) + ")";
    }
    return a == b ? std::string() : path;
}

} // namespace

std::string documentsText(Host& host)
{
    nlohmann::ordered_json documents = nlohmann::ordered_json::array();
    const model::DocumentModel& model = host.documents();
    for (size_t index = 0; index < model.projectCount(); ++index)
        documents.push_back(model::documentToJson(model.project(index)));
    return documents.dump();
}

std::string firstDifference(const std::string& a, const std::string& b)
{
    if (a == b)
        return {};
    const auto left = nlohmann::ordered_json::parse(a, nullptr, false);
    const auto right = nlohmann::ordered_json::parse(b, nullptr, false);
    if (left.is_discarded() || right.is_discarded())
        return "(the texts)";
    const std::string path = differenceIn(left, right, "");
    return path.empty() ? "(the texts)" : path;
}

} // namespace host::app
