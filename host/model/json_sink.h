// Entries of a long list in a document file handed over one at a time, so that a layout of many
// thousands of items is written without its whole list ever held as JSON.
#pragma once

#include <functional>

#include <nlohmann/json.hpp>

namespace host::model {

using JsonSink = std::function<void(nlohmann::ordered_json)>;

} // namespace host::model
