#include "submit/WizardStepState.h"

CWizardStepState g_wizardStepState;
