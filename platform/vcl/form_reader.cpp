// Reading form files: components, properties, references, then Loaded.

#include <limits>
#include <utility>

#include "platform/classes.h"
#include "platform/vcl/collection.h"
#include "platform/vcl/component.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/form_files.h"
#include "platform/vcl/form_lexer.h"

namespace {

constexpr std::string_view kStringsSuffix = ".Strings";
// How deep objects may nest: far beyond any real form, and shallow enough for every recursive
// walk of the controls and menus read (creating windows, painting, hit-testing, destroying).
constexpr int kMaxObjectDepth = 100;

// A reference to a component by name, resolved once the whole text is read.
struct TFixup {
  TComponent* Component;
  TComponent* Root;
  const TPublishedProperty* Property;
  std::string Target;
  int Line;
};

struct TDeferredValue {
  TComponent* Component;
  const TPublishedProperty* Property;
  int64_t Value;
  int Line;
};

class TFormReader {
 public:
  TFormReader(std::string_view text, const std::string& sourceName) : FLexer(text, sourceName) {}
  std::vector<std::unique_ptr<TComponent>> ReadAll(const TBeforeLoaded& beforeLoaded);

 private:
  void ReadObject(TComponent* root, TComponent* parent, int depth);
  void ReadProperty(TComponent& component, TComponent& root);
  const TPublishedProperty& FindProperty(const TComponent& component, const std::string& name);
  int64_t ReadOrdinal(const TPublishedProperty& property);
  int64_t ReadIdentifierValue(const TPublishedProperty& property);
  int64_t ReadSet(const TPublishedProperty& property);
  std::string ReadStringValue();
  void ReadStrings(TStrings& list);
  void ReadCollection(TCollection& collection, TComponent& root);
  void ReadLines(TComponent& component, const TPublishedProperty& property, int line);
  void Expect(char symbol);
  void ResolveFixups();
  TComponent* FindReferenced(const TFixup& fixup) const;
  void SetDeferredValues(size_t first);
  // Runs `action`, turning a failure of the component it acts on into an error at `line`.
  template <typename F>
  void AtLine(int line, F action);

  struct TCreated {
    TComponent* Component;
    int Line;  // where its object begins
  };

  TFormLexer FLexer;
  std::vector<std::unique_ptr<TComponent>> FRoots;
  std::vector<TCreated> FCreated;
  std::vector<TFixup> FFixups;
  // Values of properties set after the lists of their object (an object's entries follow those of
  // the objects around it, and are taken off when it ends).
  std::vector<TDeferredValue> FDeferred;
};

std::vector<std::unique_ptr<TComponent>> TFormReader::ReadAll(const TBeforeLoaded& beforeLoaded) {
  if (FLexer.Current().Kind == TTokenKind::End) FLexer.Error("No object in the text");
  while (FLexer.Current().Kind != TTokenKind::End) ReadObject(nullptr, nullptr, 1);
  ResolveFixups();
  if (beforeLoaded)
    for (const TCreated& created : FCreated)
      AtLine(created.Line, [&] { beforeLoaded(*created.Component); });
  for (const TCreated& created : FCreated) created.Component->EndLoading();
  // What Loaded raises is the component's own failure (a log that cannot start, say): it reaches
  // the caller as it is.
  for (const TCreated& created : FCreated) created.Component->Loaded();
  return std::move(FRoots);
}

template <typename F>
void TFormReader::AtLine(int line, F action) {
  try {
    action();
  } catch (const EParserError&) {
    throw;
  } catch (const std::exception& e) {
    FLexer.Error(e.what(), line);
  }
}

void TFormReader::Expect(char symbol) {
  if (!FLexer.Current().IsSymbol(symbol))
    FLexer.Error(Format("'%s' expected", std::string(1, symbol)));
  FLexer.Next();
}

// object [Name:] Class  properties and objects  end
void TFormReader::ReadObject(TComponent* root, TComponent* parent, int depth) {
  const int line = FLexer.Current().Line;
  if (FLexer.Current().IsKeyword("end")) FLexer.Error("'end' without a matching 'object'");
  if (!FLexer.Current().IsKeyword("object")) FLexer.Error("'object' expected");
  if (depth > kMaxObjectDepth)
    FLexer.Error(Format("Objects nested more than %d deep", kMaxObjectDepth));
  FLexer.Next();
  if (FLexer.Current().Kind != TTokenKind::Identifier) FLexer.Error("Object name expected");
  std::string name;
  std::string className = FLexer.Current().Text;
  FLexer.Next();
  if (FLexer.Current().IsSymbol(':')) {
    FLexer.Next();
    if (FLexer.Current().Kind != TTokenKind::Identifier) FLexer.Error("Class name expected");
    name = std::exchange(className, FLexer.Current().Text);
    FLexer.Next();
  }
  const TComponentClass* componentClass = GetClass(className);
  if (!componentClass) FLexer.Error("Unknown class " + className, line);

  TComponent* component = nullptr;
  AtLine(line, [&] { component = componentClass->Create(root); });
  if (!root) FRoots.emplace_back(component);
  component->BeginLoading();
  FCreated.push_back({component, line});
  AtLine(line, [&] {
    component->SetName(name);
    if (parent) component->SetParentComponent(parent);
  });

  TComponent& owner = root ? *root : *component;
  const size_t firstDeferred = FDeferred.size();
  for (;;) {
    const TFormToken& token = FLexer.Current();
    if (token.Kind == TTokenKind::End)
      FLexer.Error(Format("'end' expected for the object begun at line %d", line));
    if (token.IsKeyword("end")) break;
    if (token.IsKeyword("object"))
      ReadObject(&owner, component, depth + 1);
    else
      ReadProperty(*component, owner);
  }
  SetDeferredValues(firstDeferred);
  AtLine(line, [&] { component->ReadCompleted(); });
  FLexer.Next();
}

const TPublishedProperty& TFormReader::FindProperty(const TComponent& component,
                                                    const std::string& name) {
  const TComponentClass& cls = component.ClassType();
  bool listSyntax =
      name.size() > kStringsSuffix.size() &&
      SameText(std::string_view(name).substr(name.size() - kStringsSuffix.size()), kStringsSuffix);
  const TPublishedProperty* property =
      cls.FindProperty(listSyntax ? name.substr(0, name.size() - kStringsSuffix.size()) : name);
  if (!property) property = cls.FindProperty(name);
  if (!property || (property->Kind == TPropertyKind::StringList) != listSyntax)
    FLexer.Error(Format("Unknown property %s of %s", name, cls.ClassName()));
  return *property;
}

void TFormReader::ReadProperty(TComponent& component, TComponent& root) {
  const int line = FLexer.Current().Line;
  if (FLexer.Current().Kind != TTokenKind::Identifier) FLexer.Error("Property name expected");
  const TPublishedProperty& property = FindProperty(component, FLexer.Current().Text);
  FLexer.Next();
  Expect('=');
  switch (property.Kind) {
    case TPropertyKind::String: {
      std::string value = ReadStringValue();
      AtLine(line, [&] { property.SetStr(component, value); });
      break;
    }
    case TPropertyKind::StringList:
      ReadStrings(*property.GetStrings(component));
      break;
    case TPropertyKind::Collection:
      ReadCollection(*property.GetCollection(component), root);
      break;
    case TPropertyKind::TextLines:
      ReadLines(component, property, line);
      break;
    case TPropertyKind::Component:
      if (FLexer.Current().Kind != TTokenKind::Identifier)
        FLexer.Error(Format("Component name expected for property %s", property.Name));
      FFixups.push_back({&component, &root, &property, FLexer.Current().Text, line});
      FLexer.Next();
      break;
    default: {
      int64_t value = ReadOrdinal(property);
      if (property.AfterLists) {
        FDeferred.push_back({&component, &property, value, line});
        break;
      }
      AtLine(line, [&] { property.SetOrd(component, value); });
    }
  }
}

void TFormReader::SetDeferredValues(size_t first) {
  for (size_t i = first; i < FDeferred.size(); ++i) {
    const TDeferredValue& deferred = FDeferred[i];
    AtLine(deferred.Line, [&] { deferred.Property->SetOrd(*deferred.Component, deferred.Value); });
  }
  FDeferred.resize(first);
}

int64_t TFormReader::ReadOrdinal(const TPublishedProperty& property) {
  const TFormToken& token = FLexer.Current();
  int64_t value = 0;
  switch (property.Kind) {
    case TPropertyKind::Integer:
      if (token.Kind != TTokenKind::Integer)
        FLexer.Error(Format("Integer expected for property %s", property.Name));
      if (token.Integer < std::numeric_limits<int32_t>::min() ||
          token.Integer > std::numeric_limits<int32_t>::max())
        FLexer.Error(Format("Integer %s out of range for property %s", token.Text, property.Name));
      value = token.Integer;
      break;
    case TPropertyKind::Char:
      if (token.Kind != TTokenKind::String || token.Text.size() != 1)
        FLexer.Error(Format("One character expected for property %s", property.Name));
      value = static_cast<unsigned char>(token.Text[0]);
      break;
    case TPropertyKind::Set:
      return ReadSet(property);
    default:
      value = ReadIdentifierValue(property);
  }
  FLexer.Next();
  return value;
}

// The ordinal of the current identifier among the property's value names.
int64_t TFormReader::ReadIdentifierValue(const TPublishedProperty& property) {
  const TFormToken& token = FLexer.Current();
  if (token.Kind == TTokenKind::Identifier)
    if (const std::optional<int64_t> ordinal = FindValueName(property, token.Text)) return *ordinal;
  FLexer.Error(Format("Invalid value %s for property %s", token.Describe(), property.Name));
}

int64_t TFormReader::ReadSet(const TPublishedProperty& property) {
  Expect('[');
  int64_t bits = 0;
  for (bool first = true; !FLexer.Current().IsSymbol(']'); first = false) {
    if (!first) Expect(',');
    bits |= int64_t{1} << ReadIdentifierValue(property);
    FLexer.Next();
  }
  FLexer.Next();
  return bits;
}

// Strings, joined by "+" across lines.
std::string TFormReader::ReadStringValue() {
  if (FLexer.Current().Kind != TTokenKind::String) FLexer.Error("String expected");
  std::string value = FLexer.Current().Text;
  FLexer.Next();
  while (FLexer.Current().IsSymbol('+')) {
    FLexer.Next();
    if (FLexer.Current().Kind != TTokenKind::String) FLexer.Error("String expected after '+'");
    value += FLexer.Current().Text;
    FLexer.Next();
  }
  return value;
}

// The lines are one update of the list, so that its control hears of them once. (A text that
// turns out malformed leaves the update open, but nothing read is kept then.)
void TFormReader::ReadStrings(TStrings& list) {
  Expect('(');
  list.BeginUpdate();
  list.Clear();
  while (!FLexer.Current().IsSymbol(')')) {
    if (FLexer.Current().Kind == TTokenKind::End) FLexer.Error("')' expected");
    list.Add(ReadStringValue());
  }
  list.EndUpdate();
  FLexer.Next();
}

// < item properties end ... >: the items replace those the collection had.
void TFormReader::ReadCollection(TCollection& collection, TComponent& root) {
  const int line = FLexer.Current().Line;
  Expect('<');
  collection.Clear();
  while (!FLexer.Current().IsSymbol('>')) {
    if (FLexer.Current().Kind == TTokenKind::End)
      FLexer.Error(Format("'>' expected for the collection begun at line %d", line));
    if (!FLexer.Current().IsKeyword("item")) FLexer.Error("'item' or '>' expected");
    const int itemLine = FLexer.Current().Line;
    FLexer.Next();
    TCollectionItem* item = collection.AddItem();
    for (;;) {
      const TFormToken& token = FLexer.Current();
      if (token.Kind == TTokenKind::End)
        FLexer.Error(Format("'end' expected for the item begun at line %d", itemLine));
      if (token.IsKeyword("end")) break;
      if (token.IsKeyword("item") || token.IsKeyword("object"))
        FLexer.Error(Format("'end' expected for the item begun at line %d", itemLine));
      ReadProperty(*item, root);
    }
    FLexer.Next();
  }
  FLexer.Next();
}

// ( strings ): given to the property all at once; a line it refuses is reported where it stands.
void TFormReader::ReadLines(TComponent& component, const TPublishedProperty& property, int line) {
  Expect('(');
  std::vector<std::string> lines;
  std::vector<int> lineNumbers;
  while (!FLexer.Current().IsSymbol(')')) {
    if (FLexer.Current().Kind != TTokenKind::String) FLexer.Error("String or ')' expected");
    lineNumbers.push_back(FLexer.Current().Line);
    lines.push_back(ReadStringValue());
  }
  FLexer.Next();
  AtLine(line, [&] {
    try {
      property.SetLines(component, lines);
    } catch (const ELineError& e) {
      const bool known = e.Index() >= 0 && static_cast<size_t>(e.Index()) < lineNumbers.size();
      FLexer.Error(e.what(), known ? lineNumbers[static_cast<size_t>(e.Index())] : line);
    }
  });
}

// A name of a component owned by the same top-level object, that object itself, another
// top-level object, or "Top.Name" for a component of another top-level object.
TComponent* TFormReader::FindReferenced(const TFixup& fixup) const {
  auto topLevel = [&](std::string_view name) -> TComponent* {
    for (const auto& root : FRoots)
      if (SameText(root->Name(), name)) return root.get();
    return nullptr;
  };
  size_t dot = fixup.Target.find('.');
  if (dot != std::string::npos) {
    TComponent* root = topLevel(std::string_view(fixup.Target).substr(0, dot));
    return root ? root->FindComponent(std::string_view(fixup.Target).substr(dot + 1)) : nullptr;
  }
  if (TComponent* owned = fixup.Root->FindComponent(fixup.Target)) return owned;
  return topLevel(fixup.Target);
}

void TFormReader::ResolveFixups() {
  for (const TFixup& fixup : FFixups) {
    TComponent* target = nullptr;
    if (!SameText(fixup.Target, "nil")) {
      target = FindReferenced(fixup);
      if (!target)
        FLexer.Error(
            Format("Unknown component %s for property %s", fixup.Target, fixup.Property->Name),
            fixup.Line);
    }
    bool accepted = false;
    AtLine(fixup.Line, [&] { accepted = fixup.Property->SetRef(*fixup.Component, target); });
    if (!accepted) FLexer.Error(ReferenceMismatch(*fixup.Property, *target), fixup.Line);
  }
}

}  // namespace

std::vector<std::unique_ptr<TComponent>> ReadComponentsText(std::string_view text,
                                                            const std::string& sourceName,
                                                            const TBeforeLoaded& beforeLoaded) {
  return TFormReader(text, sourceName).ReadAll(beforeLoaded);
}

std::vector<std::unique_ptr<TComponent>> ReadComponentsFile(const std::string& fileName,
                                                            const TBeforeLoaded& beforeLoaded) {
  TMemoryStream stream;
  stream.LoadFromFile(fileName);
  const auto& bytes = stream.Bytes();
  return ReadComponentsText(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), fileName,
      beforeLoaded);
}
