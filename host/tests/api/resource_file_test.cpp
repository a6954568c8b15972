// The current resource file: a plug-in's own while the host calls into it, another module's or the
// application's after UseResourceFile, and GetResource reading whichever is current.
#include <string>

#include "host/tests/host_fixture.h"
#include "win32/standin.h"

namespace host_tests {
namespace {

constexpr char kFirstText[] = "first";
constexpr char kSecondText[] = "second";
const xt::Resource kFirstResources[] = {{xt::fourCC("TXET"), 20000, kFirstText, sizeof kFirstText}};
const xt::Resource kSecondResources[] = {{xt::fourCC("TXET"), 20000, kSecondText, sizeof kSecondText}};
const xt::ModuleImage kFirstImage = {xt::kModuleImageVersion, nullptr, kFirstResources, 1};
const xt::ModuleImage kSecondImage = {xt::kModuleImageVersion, nullptr, kSecondResources, 1};

class ResourceFileTest : public HostTest {
protected:
    host::loader::LoadedModule& addModule(const xt::ModuleImage& image, int16_t file)
    {
        auto module = std::make_unique<host::loader::LoadedModule>();
        module->file = "Module" + std::to_string(file) + ".xnt";
        module->image = &image;
        module->resourceFile = file;
        win32::registerModule(&image);
        return host::context().plugins().add(std::move(module));
    }

    /// The text of "TXET" 20000 in the current file, or "" when GetResource finds none.
    std::string filler()
    {
        xt::Handle found = hostOp<xt::op::GetResource>()(xt::fourCC("TXET"), 20000);
        if (!found)
            return "";
        std::string text(*found);
        hostOp<xt::op::ReleaseResource>()(found);
        return text;
    }
};

TEST_F(ResourceFileTest, APlugInReadsItsOwnFileUnlessItChoosesAnother)
{
    host::loader::LoadedModule& first = addModule(kFirstImage, 101);
    addModule(kSecondImage, 102);
    EXPECT_EQ(hostOp<xt::op::GetCurrentResourceFile>()(), 0) << "the application's, outside any plug-in";
    EXPECT_EQ(filler(), "") << "the application's file holds nothing a plug-in asks for";

    {
        host::loader::PluginRegistry::Scope scope(host::context().plugins(), &first);
        EXPECT_EQ(hostOp<xt::op::GetCurrentResourceFile>()(), 101);
        EXPECT_EQ(filler(), "first");
        ASSERT_EQ(hostOp<xt::op::UseResourceFile>()(102), 0);
        EXPECT_EQ(filler(), "second");
        ASSERT_EQ(hostOp<xt::op::UseResourceFile>()(0), 0);
        EXPECT_EQ(filler(), "");
        EXPECT_NE(hostOp<xt::op::UseResourceFile>()(77), 0) << "no file has that number";
        EXPECT_EQ(hostOp<xt::op::GetCurrentResourceFile>()(), 0) << "a refusal leaves the current file";
        ASSERT_EQ(hostOp<xt::op::UseResourceFile>()(101), 0);
    }
    EXPECT_EQ(hostOp<xt::op::GetCurrentResourceFile>()(), 0) << "the call into the plug-in ended";
}

} // namespace
} // namespace host_tests
