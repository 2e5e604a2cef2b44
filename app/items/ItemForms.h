#pragma once

// The form templates of the item views: one item (131), the schedule grid (132), the schedule's
// summary (133) and the site grid (311). Registered once, before the first view is made.
void RegisterItemForms();
