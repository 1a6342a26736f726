// The component palette: pages kept in registration order, each with its classes, and the
// libraries' descriptions.

#include "platform/vcl/design_palette.h"

#include <algorithm>

#include "platform/resources.h"
#include "platform/sysutils.h"
#include "platform/vcl/component_class.h"
#include "platform/vcl/errors.h"

namespace {

struct TPalettePage {
  std::string Name;
  std::vector<const TComponentClass*> Classes;
};

// Never destroyed: a library's finalisation may unregister while the process exits.
std::vector<TPalettePage>& Pages() {
  static auto& pages = *new std::vector<TPalettePage>;
  return pages;
}

std::vector<std::string>& Descriptions() {
  static auto& descriptions = *new std::vector<std::string>;
  return descriptions;
}

TPalettePage* FindPage(std::string_view name) {
  auto& pages = Pages();
  const auto found = std::find_if(pages.begin(), pages.end(), [&](const TPalettePage& page) {
    return SameText(page.Name, name);
  });
  return found == pages.end() ? nullptr : &*found;
}

const TPalettePage* PageOf(const TComponentClass& componentClass) {
  for (const TPalettePage& page : Pages())
    if (std::find(page.Classes.begin(), page.Classes.end(), &componentClass) != page.Classes.end())
      return &page;
  return nullptr;
}

}  // namespace

void RegisterComponents(std::string_view page,
                        std::initializer_list<const TComponentClass*> classes) {
  if (page.empty()) throw EComponentError("A palette page needs a name");
  TPalettePage* target = FindPage(page);
  for (const TComponentClass* componentClass : classes) {
    RegisterClass(*componentClass);
    if (PageOf(*componentClass)) continue;
    if (!target) target = &Pages().emplace_back(TPalettePage{std::string(page), {}});
    target->Classes.push_back(componentClass);
  }
}

void UnregisterComponents(std::initializer_list<const TComponentClass*> classes) {
  auto& pages = Pages();
  for (TPalettePage& page : pages)
    std::erase_if(page.Classes, [&](const TComponentClass* componentClass) {
      return std::find(classes.begin(), classes.end(), componentClass) != classes.end();
    });
  std::erase_if(pages, [](const TPalettePage& page) { return page.Classes.empty(); });
}

std::vector<std::string> PalettePages() {
  std::vector<std::string> names;
  for (const TPalettePage& page : Pages()) names.push_back(page.Name);
  return names;
}

std::vector<const TComponentClass*> PaletteComponents(std::string_view page) {
  const TPalettePage* found = FindPage(page);
  return found ? found->Classes : std::vector<const TComponentClass*>{};
}

std::string PalettePageOf(const TComponentClass& componentClass) {
  const TPalettePage* page = PageOf(componentClass);
  return page ? page->Name : std::string();
}

const TBitmap* PaletteImage(const TComponentClass& componentClass) {
  return FindBitmapResource(UpperCase(componentClass.ClassName()));
}

void RegisterLibraryDescription(std::string_view description) {
  auto& descriptions = Descriptions();
  if (std::find(descriptions.begin(), descriptions.end(), description) == descriptions.end())
    descriptions.emplace_back(description);
}

void UnregisterLibraryDescription(std::string_view description) {
  std::erase(Descriptions(), description);
}

std::vector<std::string> LibraryDescriptions() { return Descriptions(); }
