#pragma once

// The program's resources: menus, accelerators, string tables, pictures and dialog templates,
// registered under the ids the screens ask for.
#include <span>

struct DialogTemplate;

namespace resources {

// Registers every table once; later calls do nothing. The tables live until the program ends.
void RegisterAll();

void RegisterMenus();
void RegisterStrings();
void RegisterPictures();
void RegisterShellDialogs();
void RegisterOptionPages();

// Registers the templates under their ids for as long as the program runs.
void RegisterDialogTemplates(std::span<const DialogTemplate> templates);

} // namespace resources
