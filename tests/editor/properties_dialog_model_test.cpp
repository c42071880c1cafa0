// The properties dialog's model with both callers: the selected component and a colour entry.
#include "editor/windows/properties_dialog_model.h"

#include <gtest/gtest.h>

#include "editor/editor_test_support.h"
#include "editor/windows/colours_dialog_model.h"
#include "library/colour_type.h"

namespace kelvo::test {
namespace {

class PropertiesDialogTest : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    properties = std::make_unique<PropertiesDialogModel>(model->Session());
    model->Session().State().LibraryChanged = false;
  }
  void TearDown() override { properties.reset(); }
  std::unique_ptr<PropertiesDialogModel> properties;
};

TEST_F(PropertiesDialogTest, RowsAreNamedAfterTheProperties) {
  const auto& labels = properties->State().Labels;
  EXPECT_EQ(labels[1], "American");
  EXPECT_EQ(labels[5], "Age");
}

TEST_F(PropertiesDialogTest, MaxThenCancelLeavesTheComponent) {
  TKelvoKomp* komp = model->SelectedComponent();
  ASSERT_NE(komp, nullptr);
  komp->Properties = {10, 20, 30, 40, 50};
  ASSERT_TRUE(properties->OpenForSelectedComponent());
  EXPECT_EQ(properties->State().Caption, "Properties - " + komp->Name);
  EXPECT_TRUE(properties->State().Shown);
  EXPECT_EQ(properties->State().Values[4], 40);
  properties->VlastMaxBClick(4);
  EXPECT_EQ(properties->State().Values[4], 100);
  properties->BtnCancelClick();
  EXPECT_FALSE(properties->State().Shown);
  EXPECT_EQ(komp->Properties[4], 40);
  EXPECT_FALSE(model->Session().State().LibraryChanged);
}

TEST_F(PropertiesDialogTest, ApplyStoresEveryRowKeptInRange) {
  TKelvoKomp* komp = model->SelectedComponent();
  ASSERT_TRUE(properties->OpenForSelectedComponent());
  properties->VlastMinBClick(1);
  properties->VlastSEdChange(2, 37);
  properties->VlastTBarChange(3, 140);  // beyond the range
  properties->VlastSEdChange(5, -4);
  properties->VlastMaxBClick(0);  // no such row
  properties->VlastMaxBClick(6);
  properties->BtnUseClick();
  EXPECT_EQ(komp->Properties, (OneBased<int32_t, kPropertyCount>{0, 37, 100, 50, 0}));
  EXPECT_TRUE(model->Session().State().LibraryChanged);
  properties->BtnUseClick();  // a second Apply has nothing to store
  EXPECT_EQ(komp->Properties[2], 37);
}

TEST_F(PropertiesDialogTest, ColourEntryCallerStoresOnlyOnApply) {
  ColoursDialogModel colours(model->Session());
  TDruhBarvy& type = Lib().ColourType(1);
  type.Name = "Skin";
  type.Entries.assign(2, ColourEntry::WithDefaultProperties());
  type.Selected = 2;
  colours.FormActivate();
  const auto request = colours.BtnVlastClick();
  ASSERT_TRUE(request.has_value());
  auto store = [&](const PropertiesDialogModel::PropertyValues& v) {
    colours.StoreEntryProperties(*request, v);
  };
  properties->Open(request->Caption, request->Values, store);
  EXPECT_EQ(properties->State().Caption, "Properties - Skin - barva 2");
  properties->VlastMaxBClick(4);
  properties->BtnCancelClick();
  EXPECT_EQ(type.Entry(2).Property(4), 50);
  properties->Open(request->Caption, request->Values, store);
  properties->VlastMaxBClick(4);
  properties->BtnUseClick();
  EXPECT_EQ(type.Entry(2).Property(4), 100);
  EXPECT_EQ(type.Entry(1).Property(4), 50);
}

}  // namespace
}  // namespace kelvo::test
