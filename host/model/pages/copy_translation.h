// The colours and layers that copied items name, brought over from the source layout to the destination.
#pragma once

#include <cstdint>
#include <map>

#include "host/model/clipboard.h"
#include "host/model/document_model.h"

namespace host::model {

/// Brings colour and layer numbers of the source over to the destination, each looked up once.
class Translation {
public:
    Translation(const Layout& source, Layout& destination) : m_source(source), m_destination(destination) {}

    int16_t colour(int16_t id);
    int32_t layer(int32_t id);
    /// The snapshot's colours, its text's and its members', and its layer, as the destination numbers them.
    void apply(ItemSnapshot& snapshot);

private:
    const Layout& m_source;
    Layout& m_destination;
    std::map<int16_t, int16_t> m_colours;
};

} // namespace host::model
