// Picture items loaded from the module's bitmaps.
#include "foundation/dialog/item_pictures.h"

#include "foundation/binding/binding.h"

namespace foundation::dialog {
namespace {

constexpr int32_t kPictureStyle = 0x44;
/// The source word of LoadBitmapResource that names a bitmap of the calling module.
constexpr int32_t kBitmapFromModule = 0x30000000;
constexpr int32_t kBitmapByNumber = 2;

} // namespace

int32_t loadItemPicture(int32_t item, int32_t bitmap)
{
    xt::calls::SetItemStyle(item, kPictureStyle, 0, 0);
    const int32_t picture = xt::calls::NewPictureObject();
    // A failed call answers a negative number, which is no picture.
    if (picture <= 0)
        return 0;
    xt::calls::LoadBitmapResource(picture, kBitmapFromModule, kBitmapByNumber, bitmap, 0);
    return picture;
}

void showItemPicture(int32_t item, int32_t picture)
{
    if (picture != 0)
        xt::calls::SetItemPicture(item, picture);
}

void disposePicture(int32_t& picture)
{
    if (picture != 0)
        xt::calls::DisposePictureObject(picture);
    picture = 0;
}

} // namespace foundation::dialog
