#pragma once
// The dialogs interface is shared by every screen model.
#include "z4config/controls/Dialogs.h"
