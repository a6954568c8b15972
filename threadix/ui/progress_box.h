// The modeless progress box (resource 20023) that the page runs keep up to date.
#pragma once

#include <cstdint>
#include <string>

#include "threadix/engine/page_runs.h"
#include "xtapi/types.h"

namespace threadix {

inline constexpr char kProgressTitleText[] = "VORNE Threadix";
inline constexpr char kCancelHint[] = "Hold down mouse button to cancel.";

class ProgressBox final : public RunProgress {
public:
    ~ProgressBox() override { close(); }
    void open(const std::string& text) override;
    void show(const std::string& text) override;
    void close() override;

private:
    bool m_open = false;
};

int32_t ProgressBoxCallback(void* record);

} // namespace threadix
