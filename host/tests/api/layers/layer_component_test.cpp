// Layers through the "QLY" component a plug-in acquires: find, create, make current (new items go on
// the current layer), put an item on a layer, delete (its items moved or deleted with it).
#include "host/model/layers/layer_edits.h"
#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;
using host::model::Item;

class LayerComponentTest : public PagesTest {
protected:
    int32_t create(const char* name)
    {
        int32_t layer = -9;
        EXPECT_EQ(componentOp<xt::component::CreateLayer>()(ref(), name, &layer), 0) << name;
        return layer;
    }

    int32_t layerOf(int32_t item)
    {
        int32_t layer = -9;
        EXPECT_EQ(componentOp<xt::component::GetItemLayer>()(ref(), item, &layer), 0);
        return layer;
    }

    /// Makes a box the way a plug-in does, through NewBoxRecord and InsertBox.
    int32_t insertBox()
    {
        void* record = nullptr;
        EXPECT_EQ(hostOp<xt::op::NewBoxRecord>()(0, static_cast<int32_t>(xt::BoxKind::Plain), xt::shape::kRectangle, &record), 0);
        if (!record)
            return 0;
        xt::writeAt(record, rect(10, 10, 50, 50), xt::kRecordTopLeft);
        int32_t item = 0;
        EXPECT_EQ(hostOp<xt::op::InsertBox>()(ref(), record, 0, 0, 1, &item), 0);
        hostOp<xt::op::ReleaseBoxRecord>()(record, 0);
        return item;
    }
};

TEST_F(LayerComponentTest, ALayerIsCreatedFoundAndMadeCurrentAndNewItemsGoOnIt)
{
    int32_t current = -9;
    ASSERT_EQ(componentOp<xt::component::GetCurrentLayer>()(ref(), &current), 0);
    EXPECT_EQ(current, xt::kDefaultLayerId);
    const int32_t before = insertBox();

    const int32_t marks = create("Trimora");
    int32_t found = -9;
    ASSERT_EQ(componentOp<xt::component::FindLayer>()(ref(), "Trimora", &found), 0);
    EXPECT_EQ(found, marks);
    ASSERT_EQ(componentOp<xt::component::SetCurrentLayer>()(ref(), marks), 0);
    const int32_t after = insertBox();

    EXPECT_EQ(layerOf(before), xt::kDefaultLayerId);
    EXPECT_EQ(layerOf(after), marks);
    EXPECT_EQ(layout().layers().inOrder().front().name, "Trimora") << "a new layer goes in front";
}

TEST_F(LayerComponentTest, BadNamesAndUnknownLayersAreRefused)
{
    create("Marks");
    int32_t layer = -9;
    struct Case {
        const char* name;
    } const refused[] = {{""}, {"Marks"}, {"Default"}, {"tab\there"}, {nullptr}};
    for (const Case& c : refused)
        EXPECT_EQ(componentOp<xt::component::CreateLayer>()(ref(), c.name, &layer), -1) << (c.name ? c.name : "null");
    const std::string tooLong(64, 'x');
    EXPECT_EQ(componentOp<xt::component::CreateLayer>()(ref(), tooLong.c_str(), &layer), -1);
    EXPECT_EQ(componentOp<xt::component::FindLayer>()(ref(), "marks", &layer), -1) << "names are matched exactly";
    EXPECT_EQ(componentOp<xt::component::SetCurrentLayer>()(ref(), 77), -1);
    EXPECT_EQ(componentOp<xt::component::SetItemLayer>()(ref(), 12345, xt::kDefaultLayerId), -1);
    EXPECT_EQ(layout().layers().inOrder().size(), 2u);
}

TEST_F(LayerComponentTest, AGroupGoesToALayerWithItsMembers)
{
    Item& a = addBox(layout(), 0, rect(0, 0, 10, 10));
    Item& b = addBox(layout(), 0, rect(20, 20, 30, 30));
    Item& group = addGroup(layout(), {a.ref(), b.ref()});
    const int32_t layer = create("Back");
    ASSERT_EQ(componentOp<xt::component::SetItemLayer>()(ref(), group.ref(), layer), 0);
    EXPECT_EQ(layerOf(a.ref()), layer);
    EXPECT_EQ(layerOf(b.ref()), layer);
    EXPECT_EQ(componentOp<xt::component::SetItemLayer>()(ref(), a.ref(), xt::kDefaultLayerId), -1)
        << "a member shares its group's layer";
}

TEST_F(LayerComponentTest, DeletingALayerMovesOrDeletesItsItems)
{
    struct Case {
        int32_t destination; // kDeleteLayerItems or the default layer
        size_t itemsLeft;
    } const cases[] = {{xt::kDeleteLayerItems, 1}, {xt::kDefaultLayerId, 2}};
    for (const Case& c : cases) {
        const int32_t keep = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
        const int32_t layer = create("Marks");
        ASSERT_EQ(componentOp<xt::component::SetCurrentLayer>()(ref(), layer), 0);
        const int32_t mark = insertBox();
        ASSERT_EQ(componentOp<xt::component::DeleteLayerOp>()(ref(), layer, c.destination), 0);
        EXPECT_EQ(items().topLevelOnPage(layout().page(0).ref()).size(), c.itemsLeft);
        EXPECT_NE(items().find(keep), nullptr);
        if (c.destination == xt::kDefaultLayerId) {
            EXPECT_EQ(layerOf(mark), xt::kDefaultLayerId);
        }
        int32_t current = -9;
        ASSERT_EQ(componentOp<xt::component::GetCurrentLayer>()(ref(), &current), 0);
        EXPECT_EQ(current, xt::kDefaultLayerId) << "the current layer went with it";
        EXPECT_EQ(layerOf(insertBox()), xt::kDefaultLayerId);
        for (int32_t ref : items().topLevelOnPage(layout().page(0).ref()))
            items().remove(ref);
    }
}

TEST_F(LayerComponentTest, TheDefaultLayerAndBadDestinationsAreRefused)
{
    const int32_t layer = create("Marks");
    EXPECT_EQ(componentOp<xt::component::DeleteLayerOp>()(ref(), xt::kDefaultLayerId, xt::kDeleteLayerItems), -1);
    EXPECT_EQ(componentOp<xt::component::DeleteLayerOp>()(ref(), layer, layer), -1);
    EXPECT_EQ(componentOp<xt::component::DeleteLayerOp>()(ref(), layer, 99), -1);
    EXPECT_EQ(componentOp<xt::component::DeleteLayerOp>()(ref(), 99, xt::kDefaultLayerId), -1);
    EXPECT_NE(layout().layers().find(layer), nullptr);
}

TEST_F(LayerComponentTest, EachLayoutHasItsOwnLayers)
{
    create("Marks");
    host::model::Layout& other = host().documents().newDocument();
    int32_t found = -9;
    EXPECT_EQ(componentOp<xt::component::FindLayer>()(other.ref(), "Marks", &found), -1);
    EXPECT_EQ(other.layers().inOrder().size(), 1u);
}

TEST_F(LayerComponentTest, ItemsOnHiddenLayersAreNotShown)
{
    Item& box = addBox(layout(), 0, rect(0, 0, 10, 10));
    const int32_t layer = create("Hidden");
    ASSERT_EQ(componentOp<xt::component::SetItemLayer>()(ref(), box.ref(), layer), 0);
    EXPECT_TRUE(host::model::isShown(layout(), box));
    layout().layers().setVisible(layer, false);
    EXPECT_FALSE(host::model::isShown(layout(), box));
}

} // namespace
} // namespace host_tests
