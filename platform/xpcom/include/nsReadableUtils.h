// The string conversion helpers live with the classes in nsString.h.
#pragma once

#include "nsString.h"
