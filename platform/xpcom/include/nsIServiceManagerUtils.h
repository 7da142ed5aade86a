#pragma once

#include "nsServiceManagerUtils.h"
