#pragma once
// The designer's component palette: the pages on which libraries register their components, the
// palette image of each component class, and the descriptions of the installed libraries.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class TBitmap;
class TComponentClass;

// Puts the classes on the palette page `page` (created at the end when new), in the order given,
// and makes them known to form files. A class already on the palette stays where it is.
void RegisterComponents(std::string_view page,
                        std::initializer_list<const TComponentClass*> classes);
// Takes the classes off the palette (a page left empty goes too); form files still know them.
void UnregisterComponents(std::initializer_list<const TComponentClass*> classes);

// Page names in the order they were first registered.
std::vector<std::string> PalettePages();
// The classes on a page (letter case ignored) in registration order; empty for an unknown page.
std::vector<const TComponentClass*> PaletteComponents(std::string_view page);
// The page that shows the class, or an empty string when it is not on the palette.
std::string PalettePageOf(const TComponentClass& componentClass);
// The class's palette picture: the bitmap resource named by the class name in capitals
// ("TKDTRACEBOOK" for TKDTracebook); nullptr when the library provides none.
const TBitmap* PaletteImage(const TComponentClass& componentClass);

// The text the designer shows for an installed library, such as "Tracebook Component"; one per
// library, in installation order. A description registered again is not repeated.
void RegisterLibraryDescription(std::string_view description);
void UnregisterLibraryDescription(std::string_view description);
std::vector<std::string> LibraryDescriptions();
