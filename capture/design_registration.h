#pragma once
// The library's design-time registration: what the designer learns when the library is installed
// on its palette (the component on page "Morvale" with its palette image, the editor of its
// record filter, its component editor and the library's description), and forgets again when the
// library is uninstalled.

namespace QVReg {

void Register();
void Unregister();

}  // namespace QVReg
