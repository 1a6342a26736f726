// Components: ownership and destruction, names, lookup, and the notifications that keep
// references from dangling.

#include <gtest/gtest.h>

#include "platform/vcl/actions.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/menus.h"
#include "tests/vcl/vcl_fixture.h"

namespace {

// Counts its destructions, to see owners destroy what they own exactly once.
class TCounted : public TComponent {
 public:
  explicit TCounted(TComponent* owner, int* destroyed) : TComponent(owner), FDestroyed(destroyed) {}
  ~TCounted() override { ++*FDestroyed; }

 private:
  int* FDestroyed;
};

TEST(ComponentTest, OwnerDestroysWhatItOwnsAndOwnedLeaveTheirOwner) {
  int destroyed = 0;
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* a = new TCounted(owner.get(), &destroyed);
  auto* b = new TCounted(a, &destroyed);
  new TCounted(owner.get(), &destroyed);
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(b->Owner(), a);

  delete a;  // takes b with it and leaves the owner's list
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(owner->ComponentCount(), 1);
  owner.reset();
  EXPECT_EQ(destroyed, 3);
}

TEST(ComponentTest, NamesAreIdentifiersUniqueWithinTheOwner) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Button1");
  EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  EXPECT_THROW(b->SetName("button1"), EComponentError);
  EXPECT_THROW(b->SetName("1Button"), EComponentError);
  EXPECT_THROW(b->SetName("Not valid"), EComponentError);
  EXPECT_EQ(b->Name(), "");
  a->SetName("Button1");  // its own name again
  b->SetName("_Button2");
  EXPECT_EQ(b->ComponentIndex(), 1);

  // Moving a component to another owner checks the name there too.
  TComponent other(nullptr);
  (new TComponent(&other))->SetName("_Button2");
  EXPECT_THROW(other.InsertComponent(b), EComponentError);
  EXPECT_EQ(b->Owner(), &owner);
}

TEST_F(VclTest, ReferencesAreClearedWhenTheReferencedComponentGoes) {
  TForm form(nullptr);
  auto* control = new TWinControl(&form);
  control->SetParent(&form);
  auto* action = new TAction(&form);
  auto popup = std::make_unique<TPopupMenu>(nullptr);
  control->SetAction(action);
  control->SetPopupMenu(popup.get());
  delete action;
  popup.reset();
  EXPECT_EQ(control->Action(), nullptr);
  EXPECT_EQ(control->PopupMenu(), nullptr);
}

TEST_F(VclTest, AReferencedComponentOutlivingTheControlDoesNotReachIt) {
  auto menu = std::make_unique<TPopupMenu>(nullptr);
  {
    TForm form(nullptr);
    auto* control = new TWinControl(&form);
    control->SetPopupMenu(menu.get());
  }
  menu.reset();  // would notify the destroyed control if it still listened
}

TEST_F(VclTest, ClassRegistryFindsClassesByNameIgnoringCase) {
  EXPECT_EQ(GetClass("tform"), &TForm::StaticClass());
  EXPECT_EQ(GetClass("TNothing"), nullptr);
  EXPECT_THROW(FindClass("TNothing"), EClassNotFound);
  EXPECT_THROW(TCustomForm::StaticClass().Create(nullptr), EClassNotFound);
  RegisterClass(TForm::StaticClass());  // again: nothing happens
  static const TComponentClass impostor({.Name = "TForm", .Parent = &TComponent::StaticClass()});
  EXPECT_THROW(RegisterClass(impostor), EComponentError);
  UnRegisterClass(TForm::StaticClass());  // as a package's finalisation does
  EXPECT_EQ(GetClass("TForm"), nullptr);
  RegisterClass(impostor);
  EXPECT_EQ(GetClass("TForm"), &impostor);
  UnRegisterClass(impostor);
  RegisterClass(TForm::StaticClass());
}

TEST(ComponentTest, PropertyTablesInheritAndRedeclare) {
  const TComponentClass& form = TForm::StaticClass();
  const TPublishedProperty* visible = form.FindProperty("visible");
  ASSERT_NE(visible, nullptr);
  EXPECT_EQ(visible->Default, 0);  // a form starts hidden
  EXPECT_EQ(TWinControl::StaticClass().FindProperty("Visible")->Default, 1);
  int visibleEntries = 0;
  for (const TPublishedProperty* p : form.Properties()) visibleEntries += p->Name == "Visible";
  EXPECT_EQ(visibleEntries, 1);
  EXPECT_EQ(form.Properties().front()->Name, "Left");  // inherited ones first
}

}  // namespace
