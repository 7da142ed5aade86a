// Result codes of OLE controls' connection points.
#pragma once
#define _OLECTL_H_

#include "ocidl.h"

#define CONNECT_E_FIRST _HRESULT_TYPEDEF_(0x80040200)
#define CONNECT_E_NOCONNECTION (CONNECT_E_FIRST + 0)
#define CONNECT_E_ADVISELIMIT (CONNECT_E_FIRST + 1)
#define CONNECT_E_CANNOTCONNECT (CONNECT_E_FIRST + 2)
