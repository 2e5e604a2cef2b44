#include "app/views/DVBlank.h"

IMPLEMENT_DYNCREATE(CDV_Blank, CDV)
