#pragma once
// The dialogs interface is shared by every screen model.
#include "controls/Dialogs.h"
