// Prints JSON member by member exactly as nlohmann's dump(2) prints a whole value, so that a long list
// can be made and written one entry at a time instead of held whole first.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/model/json_sink.h"

namespace host::model {

/// Prints objects and arrays member by member in the layout nlohmann's dump(2) gives them.
class PrettyWriter {
public:
    static constexpr int kIndent = 2;

    explicit PrettyWriter(std::ostream& out) : m_out(out) {}

    void open(char bracket)
    {
        m_out.put(bracket);
        m_empty.push_back(true);
    }
    void close(char bracket)
    {
        const bool empty = m_empty.back();
        m_empty.pop_back();
        if (!empty)
            newLine();
        m_out.put(bracket);
    }
    /// Starts the next entry of the open array.
    void entry()
    {
        if (!m_empty.back())
            m_out.put(',');
        m_empty.back() = false;
        newLine();
    }
    /// Starts the next member of the open object.
    void key(const std::string& name)
    {
        entry();
        m_out << nlohmann::ordered_json(name).dump() << ": ";
    }
    /// A whole value where the entry or member starts.
    void value(const nlohmann::ordered_json& value)
    {
        // A JSON text holds no raw line break inside a string, so every one starts a line of the value,
        // which sits as deep as the entry it fills.
        const std::string text = value.dump(kIndent);
        size_t from = 0;
        for (size_t end = text.find('\n'); end != std::string::npos; from = end + 1, end = text.find('\n', from)) {
            m_out.write(text.data() + from, static_cast<std::streamsize>(end - from));
            newLine(m_empty.size());
        }
        m_out.write(text.data() + from, static_cast<std::streamsize>(text.size() - from));
    }
    void members(const nlohmann::ordered_json& object)
    {
        for (const auto& [name, member] : object.items()) {
            key(name);
            value(member);
        }
    }
    /// A member whose value is a list of what `give` hands over; left out when it hands over nothing.
    void list(const std::string& name, const std::function<void(const JsonSink&)>& give)
    {
        bool started = false;
        give([&](nlohmann::ordered_json item) {
            if (!started) {
                key(name);
                open('[');
                started = true;
            }
            entry();
            value(item);
        });
        if (started)
            close(']');
    }

private:
    void newLine() { newLine(m_empty.size()); }
    void newLine(size_t depth)
    {
        m_out.put('\n');
        for (size_t i = 0; i < depth * kIndent; ++i)
            m_out.put(' ');
    }

    std::ostream& m_out;
    std::vector<bool> m_empty; // per open object or array: nothing written in it yet
};

} // namespace host::model
