#include "app/dialogs/effect_dialog_forms.h"

CEffectDialogForms gEffectDialogForms;
