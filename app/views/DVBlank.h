#pragma once

// The empty form: what the right pane shows for a node without a screen of its own.
#include "app/views/DV.h"

class CDV_Blank : public CDV {
    DECLARE_DYNCREATE(CDV_Blank)
};
