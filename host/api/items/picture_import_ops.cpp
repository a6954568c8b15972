// A picture box filled from an image file (ImportPicture): the file's picture size is read from its head,
// and the box shows the picture from its top left corner at 100 %.
#include <fstream>
#include <vector>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/model/items/picture_file.h"
#include "win32/standin.h"

namespace host::api {
namespace {

/// (item, volume, folder id, path): 0, or -1 with the box as it was when the item is no picture box, is
/// locked, or the file is missing or holds no picture the host reads.
int32_t ImportPicture(int32_t item, int16_t volume, int32_t folder, const char* path)
{
    model::Item* box = findItem(item);
    if (!box || box->kind() != xt::BoxKind::Picture || box->isLocked() || volume != 0 || folder != 0 || !path)
        return -1;
    const auto file = win32::mapPath(path);
    if (!file)
        return -1;
    std::ifstream in(*file, std::ios::binary);
    if (!in)
        return -1;
    std::vector<uint8_t> head(model::kPictureHeadBytes);
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(in.gcount()));
    const auto size = model::readPictureSize(head);
    if (!std::holds_alternative<model::PictureSize>(size))
        return -1;
    box->setPictureFile({file->string(), std::get<model::PictureSize>(size)});
    xt::PictureFields picture = box->picture();
    picture.offsets[0] = picture.offsets[1] = 0;
    picture.scales[0] = picture.scales[1] = xt::kFixedOne;
    box->setPicture(picture);
    return 0;
}

} // namespace

void registerPictureImportOps(OperationRegistry& registry)
{
    registry.add<xt::op::ImportPicture, &ImportPicture>();
}

} // namespace host::api
