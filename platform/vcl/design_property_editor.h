#pragma once
// Property editors: how the designer's object inspector shows, changes and edits one published
// property of the selected components, and TClassProperty for properties that hold an object.

#include <memory>
#include <string>
#include <vector>

#include "platform/sysutils.h"
#include "platform/vcl/published.h"
#include "platform/vcl/sets.h"

class TComponent;
class TFormDesigner;

// A value the object inspector cannot give to the property.
class EPropertyError : public Exception {
 public:
  using Exception::Exception;
  const char* ClassName() const override { return "EPropertyError"; }
};

enum TPropertyAttribute {
  paValueList,      // GetValues answers the values to choose from
  paSubProperties,  // the value has properties of its own
  paDialog,         // Edit opens a dialog (the inspector shows an ellipsis button)
  paMultiSelect,    // shown when several components are selected
  paAutoUpdate,     // every change of the text is applied at once
  paSortList,       // the value list is shown sorted
  paReadOnly,       // the value cannot be typed in
  paRevertable      // the value can be reverted to the inherited one
};
using TPropertyAttributes = TSet<TPropertyAttribute>;

class TPropertyEditor {
 public:
  // Edits `property` of `components` (at least one, each of a class that has the property).
  TPropertyEditor(TFormDesigner& designer, std::vector<TComponent*> components,
                  const TPublishedProperty& property);
  virtual ~TPropertyEditor() = default;
  TPropertyEditor(const TPropertyEditor&) = delete;
  TPropertyEditor& operator=(const TPropertyEditor&) = delete;

  // Multi-selectable and revertable; enumerations and Booleans also offer their sorted values.
  virtual TPropertyAttributes GetAttributes() const;
  // What the ellipsis button or a double-click does; nothing unless an editor has a dialog.
  virtual void Edit() {}
  // The value of the first component as the inspector shows it: numbers in decimal, identifiers
  // of enumerations and Booleans, a printable character as itself and any other as "#" and its
  // code ("#0"), the text, sets as "[a,b]", and the name of a referenced component (empty for
  // none).
  virtual std::string GetValue() const;
  // Gives every edited component the value typed as GetValue shows it and tells the designer;
  // raises EPropertyError for a text the property cannot take (an integer out of its type's
  // range included), changing nothing. The value of an
  // object-typed property reads as its type name in parentheses and is never typed in.
  virtual void SetValue(const std::string& value);
  // The identifiers of an enumeration or Boolean value, otherwise none.
  virtual std::vector<std::string> GetValues() const;

  std::string GetName() const { return std::string(FProperty.Name); }
  const TPublishedProperty& Property() const { return FProperty; }
  int PropCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* GetComponent(int index) const;  // raises EListError out of range
  TFormDesigner& Designer() const { return FDesigner; }
  // Tells the designer that the form changed.
  void Modified();

 private:
  TFormDesigner& FDesigner;
  std::vector<TComponent*> FComponents;
  const TPublishedProperty& FProperty;
};

// The editor of properties that hold an object (string lists, collections, lines): the value
// reads as the type name in parentheses ("(TStrings)"), cannot be typed in, and has properties of
// its own.
class TClassProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override;

  // The string list of the first component; nullptr when the property holds no string list.
  TStrings* GetStringsValue() const;
  // Gives every edited component a copy of `value`'s lines through the class's setter (or into
  // its list in place when it has none) and tells the designer. Raises EPropertyError for a
  // property that holds no string list.
  void SetStringsValue(const TStrings& value);
};

// Whether the property holds an object (a string list, collection or lines) rather than a value.
bool IsObjectProperty(const TPublishedProperty& property);
// The name of a declared value type as the inspector shows it ("TStrings").
std::string PropertyTypeName(const TPublishedProperty& property);
