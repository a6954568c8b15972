// Box kinds, locks and story parts through the host's record and text calls.
#include "mockum/engine/common/box_text.h"

#include "foundation/binding/binding.h"
#include "mockum/engine/common/host_failures.h"
#include "xtapi/box_record.h"

namespace mockum {
namespace {

/// A copy of the item's record, released when it goes; a null record for an unknown item.
class RecordCopy {
public:
    explicit RecordCopy(int32_t box) : m_record(xt::calls::GetBoxRecord(nullptr, box, 0)) {}
    ~RecordCopy()
    {
        if (m_record)
            xt::calls::ReleaseBoxRecord(m_record, 1);
    }
    RecordCopy(const RecordCopy&) = delete;
    RecordCopy& operator=(const RecordCopy&) = delete;

    template <class T>
    std::optional<T> at(size_t offset) const
    {
        if (!m_record)
            return std::nullopt;
        return xt::readAt<T>(m_record, offset);
    }

private:
    void* m_record;
};

} // namespace

BoxKind boxKind(int32_t box)
{
    const std::optional<uint8_t> kind = RecordCopy(box).at<uint8_t>(offsetof(xt::BoxRecord, kind));
    if (kind == static_cast<uint8_t>(xt::BoxKind::Group))
        return BoxKind::Group;
    if (kind == static_cast<uint8_t>(xt::BoxKind::Text))
        return BoxKind::Text;
    return BoxKind::Other;
}

bool isLocked(int32_t box)
{
    const std::optional<uint8_t> flags = RecordCopy(box).at<uint8_t>(offsetof(xt::BoxRecord, lockFlags));
    return flags && (*flags & xt::kItemLocked) != 0;
}

std::optional<BoxText> boxText(int32_t box)
{
    if (xt::calls::IsTextBox(box) == 0)
        return std::nullopt;
    BoxText text;
    if (xt::calls::GetBoxTextInfo(box, &text.story, &text.selectionStart, &text.selectionEnd, &text.length) != 0
        || text.story == 0)
        return std::nullopt;
    return text;
}

bool IsEmptyTextBox(int32_t box)
{
    const std::optional<BoxText> text = boxText(box);
    return text && text->length == 0;
}

std::optional<int32_t> firstOffsetOf(int32_t box)
{
    xt::Handle scratch = xt::calls::NewHandle(0);
    if (!scratch) {
        noteHostFailure();
        return std::nullopt;
    }
    int32_t probed = box;
    int32_t offset = 0;
    const int32_t status = xt::calls::CopyTextToHandle2828(&probed, &offset, 0, nullptr, &scratch);
    xt::calls::HostResult3186(status);
    xt::calls::DisposeHandle(scratch);
    if (watched(status) != 0)
        return std::nullopt;
    return offset;
}

} // namespace mockum
