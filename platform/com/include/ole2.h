// OLE: the COM library with OLE Automation and the OLE interfaces.
#pragma once
#define _OLE2_H_

#include "objbase.h"
#include "oleauto.h"
#include "oleidl.h"
