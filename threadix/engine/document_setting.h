// The host's document setting that the chain work switches off while it runs, and gives back after.
#pragma once

#include <cstdint>

namespace threadix {

class DocumentSettingOff {
public:
    DocumentSettingOff();
    ~DocumentSettingOff();
    DocumentSettingOff(const DocumentSettingOff&) = delete;
    DocumentSettingOff& operator=(const DocumentSettingOff&) = delete;

private:
    int32_t m_kept = 0;
    bool m_read = false;
};

} // namespace threadix
