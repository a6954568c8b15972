// One named colour of a layout's colour table: its number, name, value and whether it is a spot colour.
#pragma once

#include <cstdint>
#include <string>

#include "host/model/colours/colour_value.h"

namespace host::model {

/// Where a colour comes from, which decides what may be done to it.
enum class ColourKind : uint8_t {
    User,         // any colour a user may change, the host's Blue, Red and Green included
    Ink,          // a process ink of the host's: Black, Cyan, Magenta, Yellow
    Paper,        // White
    Registration, // prints on every plate
};

/// Spot or process, where callers pass a constant.
enum class Ink : uint8_t { Process, Spot };

class Colour {
public:
    Colour(int16_t id, std::string name, ColourValue value, Ink ink, ColourKind kind = ColourKind::User)
        : m_id(id), m_name(std::move(name)), m_value(value), m_ink(ink), m_kind(kind)
    {
    }

    int16_t id() const { return m_id; }
    const std::string& name() const { return m_name; }
    const ColourValue& value() const { return m_value; }
    bool isSpot() const { return m_ink == Ink::Spot; }
    ColourKind kind() const { return m_kind; }
    /// The host's fixed colours never change: no new name, value or ink.
    bool isFixed() const { return m_kind != ColourKind::User; }

    void rename(std::string name) { m_name = std::move(name); }
    void setValue(const ColourValue& value) { m_value = value; }
    void setInk(Ink ink) { m_ink = ink; }

    /// The colour's answer to a GetColorValue369 code (xt::ColourValueCode); 0 for a code it does not know.
    int32_t valueOf(int32_t code) const;

    bool operator==(const Colour&) const = default;

private:
    int16_t m_id;
    std::string m_name;
    ColourValue m_value;
    Ink m_ink;
    ColourKind m_kind;
};

} // namespace host::model
