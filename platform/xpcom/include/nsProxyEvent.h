// Proxy kinds (Gecko 1.7 nsProxyEvent.h).
#pragma once

#define PROXY_SYNC 0x0001
#define PROXY_ASYNC 0x0002
#define PROXY_ALWAYS 0x0004
