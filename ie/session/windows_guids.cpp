// Interface identifiers that the SDK headers declare but MinGW's libuuid does not
// define; the Windows build defines them here (on Linux the platform library does).
#include <windows.h>

#include <initguid.h>

DEFINE_GUID(DIID_HTMLDocumentEvents2, 0x3050f613, 0x98b5, 0x11cf, 0xbb, 0x82, 0x00, 0xaa, 0x00, 0xbd, 0xce, 0x0b);
