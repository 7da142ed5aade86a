// PLEvent, the unit of work of an event queue (plevent.h of NSPR's plc library), as far
// as nsIEventQueue needs it. Set an event up with PL_InitEvent (or InitEvent).
#pragma once

#include "prtypes.h"

typedef struct PLEvent PLEvent;
typedef struct PLEventQueue PLEventQueue;
typedef void* (*PLHandleEventProc)(PLEvent* self);
typedef void (*PLDestroyEventProc)(PLEvent* self);

struct PLEvent {
  PLHandleEventProc handler;
  PLDestroyEventProc destructor;
  void* owner;
};

PR_BEGIN_EXTERN_C
__attribute__((visibility("default"))) void PL_InitEvent(PLEvent* self, void* owner, PLHandleEventProc handler,
                                                        PLDestroyEventProc destructor);
__attribute__((visibility("default"))) void* PL_GetEventOwner(PLEvent* self);
PR_END_EXTERN_C
