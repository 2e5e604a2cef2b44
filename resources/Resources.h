#pragma once

// The program's resources: menus, accelerators, string tables, pictures and dialog templates,
// registered under the ids the screens ask for.
namespace resources {

// Registers every table once; later calls do nothing. The tables live until the program ends.
void RegisterAll();

void RegisterMenus();
void RegisterStrings();
void RegisterPictures();
void RegisterShellDialogs();

} // namespace resources
