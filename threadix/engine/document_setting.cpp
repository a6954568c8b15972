// Switching the document setting off around chain work, and back on every way out.
#include "threadix/engine/document_setting.h"

#include "foundation/binding/binding.h"

namespace threadix {

DocumentSettingOff::DocumentSettingOff()
{
    m_read = xt::calls::XpgOp950(&m_kept) == 0;
    xt::calls::XpgOp951(0);
}

DocumentSettingOff::~DocumentSettingOff()
{
    if (m_read)
        xt::calls::XpgOp951(m_kept);
}

} // namespace threadix
