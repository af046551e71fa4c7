// Dialog template 102, the one dialog of the program: the header and its 15
// controls in template order (which is also the tab order and the order of
// creation), as the layer's dialog manager builds it.
#pragma once

#include "platform/models/dialog_template.h"

extern const DialogTemplate searchDialogTemplate;
