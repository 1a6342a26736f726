// Writing form files: each component's stored properties, then its children.

#include "platform/classes.h"
#include "platform/vcl/collection.h"
#include "platform/vcl/component.h"
#include "platform/vcl/form_files.h"
#include "platform/vcl/form_lexer.h"

namespace {

class TFormWriter {
 public:
  explicit TFormWriter(const TComponent& root) : FRoot(root) {}
  std::string Write() {
    WriteObject(FRoot, 0);
    return std::move(FText);
  }

 private:
  void WriteObject(const TComponent& component, int indent);
  void WriteProperties(const TComponent& component, const std::string& margin);
  void WriteCollection(const TCollection& collection, const std::string& margin);
  void WriteProperty(const TComponent& component, const TPublishedProperty& property,
                     const std::string& margin);
  std::string ReferenceName(const TComponent& target) const;

  const TComponent& FRoot;
  std::string FText;
};

void TFormWriter::WriteObject(const TComponent& component, int indent) {
  const std::string margin(static_cast<size_t>(indent), ' ');
  FText += margin + "object ";
  if (!component.Name().empty()) FText += component.Name() + ": ";
  FText += component.ClassName() + "\n";
  WriteProperties(component, margin + "  ");
  component.GetChildren([&](TComponent* child) { WriteObject(*child, indent + 2); },
                        const_cast<TComponent*>(&FRoot));
  FText += margin + "end\n";
}

void TFormWriter::WriteProperties(const TComponent& component, const std::string& margin) {
  for (const TPublishedProperty* property : component.ClassType().Properties())
    if (IsPropertyStored(*property, component)) WriteProperty(component, *property, margin);
}

// Each item with its stored properties, the closing bracket after the last one's end.
void TFormWriter::WriteCollection(const TCollection& collection, const std::string& margin) {
  for (int i = 0; i < collection.Count(); ++i) {
    FText += "\n" + margin + "  item\n";
    WriteProperties(*collection.Item(i), margin + "    ");
    FText += margin + "  end";
  }
  FText += ">\n";
}

// How a reference reads back: the name of a component of the same top-level object, or
// "Owner.Name"; "" for a component that cannot be named.
std::string TFormWriter::ReferenceName(const TComponent& target) const {
  if (target.Name().empty()) return {};
  if (&target == &FRoot || target.Owner() == &FRoot) return target.Name();
  if (target.Owner() && !target.Owner()->Name().empty())
    return target.Owner()->Name() + "." + target.Name();
  return target.Name();
}

void TFormWriter::WriteProperty(const TComponent& component, const TPublishedProperty& property,
                                const std::string& margin) {
  std::string value;
  switch (property.Kind) {
    case TPropertyKind::Integer:
      value = std::to_string(property.GetOrd(component));
      break;
    case TPropertyKind::Boolean:
    case TPropertyKind::Enumeration: {
      auto ordinal = static_cast<size_t>(property.GetOrd(component));
      if (ordinal >= property.ValueNames.size())
        throw EWriteError(Format("Invalid value %d of property %s", static_cast<int64_t>(ordinal),
                                 property.Name));
      value = property.ValueNames[ordinal];
      break;
    }
    case TPropertyKind::Char:
      value = FormStringLiteral(std::string(1, static_cast<char>(property.GetOrd(component))));
      break;
    case TPropertyKind::String:
      value = FormStringLiteral(property.GetStr(component));
      break;
    case TPropertyKind::Set: {
      int64_t bits = property.GetOrd(component);
      for (size_t i = 0; i < property.ValueNames.size(); ++i)
        if (bits & (int64_t{1} << i))
          value += (value.empty() ? "" : ", ") + std::string(property.ValueNames[i]);
      value = "[" + value + "]";
      break;
    }
    case TPropertyKind::Component:
      value = ReferenceName(*property.GetRef(component));
      if (value.empty()) return;
      break;
    case TPropertyKind::StringList: {
      const TStrings& list = *property.GetStrings(component);
      FText += margin + std::string(property.Name) + ".Strings = (";
      for (int i = 0; i < list.Count(); ++i)
        FText += "\n" + margin + "  " + FormStringLiteral(list.Get(i));
      FText += ")\n";
      return;
    }
    case TPropertyKind::TextLines: {
      FText += margin + std::string(property.Name) + " = (";
      for (const std::string& line : property.GetLines(component))
        FText += "\n" + margin + "  " + FormStringLiteral(line);
      FText += ")\n";
      return;
    }
    case TPropertyKind::Collection:
      FText += margin + std::string(property.Name) + " = <";
      WriteCollection(*property.GetCollection(component), margin);
      return;
  }
  FText += margin + std::string(property.Name) + " = " + value + "\n";
}

}  // namespace

std::string WriteComponentText(const TComponent& root) { return TFormWriter(root).Write(); }

void WriteComponentFile(const TComponent& root, const std::string& fileName) {
  std::string text = WriteComponentText(root);
  TFileStream file(fileName, fmCreate);
  file.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}
