// A layout's layers: the "Default" layer that is always there, layers a user or a plug-in adds, their
// order front to back, whether each is shown and whether its items can be changed, and the current one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host::model {

struct Layer {
    int32_t id = 0;
    std::string name;
    bool visible = true;
    bool locked = false;
    bool operator==(const Layer&) const = default;
};

/// The id of the layer every layout has and new items go to until another is made current.
inline constexpr int32_t kDefaultLayer = 0;
inline constexpr std::string_view kDefaultLayerName = "Default";
/// Names are kept short enough for the host's layer palette.
inline constexpr size_t kMaxLayerName = 63;

/// True for a name a layer may have: not empty, not too long, no control characters.
bool isValidLayerName(std::string_view name);

class Layers {
public:
    Layers();

    /// Front to back; the default layer is the backmost unless moved.
    const std::vector<Layer>& inOrder() const { return m_layers; }
    const Layer* find(int32_t id) const;
    /// The layer with exactly this name.
    const Layer* findByName(std::string_view name) const;

    /// A new layer in front of the others, or nullopt for a name that is invalid or taken.
    std::optional<int32_t> create(std::string_view name);
    /// The layers of a document being read, front to back, with their ids; the default layer goes
    /// behind them when the list leaves it out. False, with nothing changed, for a clash of ids or
    /// names or an invalid name.
    bool restore(const std::vector<Layer>& layers);
    /// False for the default layer or a layer that does not exist. The current layer falls back to the default.
    bool remove(int32_t id);

    int32_t current() const { return m_current; }
    bool makeCurrent(int32_t id);

    bool setVisible(int32_t id, bool visible);
    bool setLocked(int32_t id, bool locked);
    bool rename(int32_t id, std::string_view name);
    /// Moves a layer to place `position` (0 = frontmost).
    bool move(int32_t id, size_t position);
    /// Removes every layer but the default one, as a document being read starts.
    void reset();

private:
    Layer* findMutable(int32_t id);

    std::vector<Layer> m_layers;
    int32_t m_current = kDefaultLayer;
    int32_t m_nextId = 1;
};

} // namespace host::model
