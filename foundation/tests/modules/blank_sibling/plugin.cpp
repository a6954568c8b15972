// A test module ("BBR!", below every other sibling) whose published service block holds no
// operation, as a foreign or damaged block would: the menu search must pass it over.
#include <array>

#include "foundation/plugin/plugin_description.h"
#include "foundation/plugin/skeleton.h"
#include "foundation/tests/modules/blank_sibling/blank_block.h"

namespace {

constexpr foundation::PluginDescription kBlankSibling{
    .id = xt::fourCC("BBR!"),
    .menuService = foundation::MenuService::Shared,
    .startUp = &blank_sibling::blankServiceBlock,
};

constexpr std::array<xt::Resource, 0> kResources{};

} // namespace

XT_DEFINE_PLUGIN(kBlankSibling, kResources);
