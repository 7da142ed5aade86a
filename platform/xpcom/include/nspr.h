// The NSPR subset of this platform.
#pragma once

#include "pratom.h"
#include "prenv.h"
#include "prinrval.h"
#include "prthread.h"
#include "prtypes.h"
