#pragma once
// Form files: text that describes components and their published properties.
//
//   object MainForm: TForm
//     Caption = 'Orders'
//     ActiveControl = OKBtn
//     object OKBtn: TButton
//       Caption = '&OK'
//     end
//   end
//
// Reading creates each top-level object without an owner and every object inside it owned by that
// top-level one, gives each the enclosing object as its parent component, sets its properties,
// calls ReadCompleted on it once the objects inside it are read too, resolves references to
// components by name once the whole text is read, and then calls Loaded on every component in the
// order they were created. A malformed text raises EParserError with the source name, the line and
// what is wrong; nothing read is kept then. Objects nest at most 100 deep. A failure of a property
// setter, or of `beforeLoaded` below, is an EParserError too, at the line of the property or of
// the object; what Loaded raises reaches the caller unchanged.
//
// A host may adjust what was read before Loaded runs (a log file name given on its command line,
// say): `beforeLoaded` is called for every component, in creation order, once the whole text is
// read and its references are resolved.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TComponent;

using TBeforeLoaded = std::function<void(TComponent& component)>;

std::vector<std::unique_ptr<TComponent>> ReadComponentsText(std::string_view text,
                                                            const std::string& sourceName = {},
                                                            const TBeforeLoaded& beforeLoaded = {});
// Raises EFOpenError when the file cannot be read; errors in it name the file.
std::vector<std::unique_ptr<TComponent>> ReadComponentsFile(const std::string& fileName,
                                                            const TBeforeLoaded& beforeLoaded = {});

// The component, its stored properties and its children, as text that reads back into the same.
std::string WriteComponentText(const TComponent& root);
void WriteComponentFile(const TComponent& root, const std::string& fileName);
