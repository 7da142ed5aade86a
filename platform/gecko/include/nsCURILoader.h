// The URI loader's contract IDs (Gecko 1.7 uriloader/base/nsCURILoader.idl): the
// document loader service, which the browser's docshells load under.
#pragma once

#define NS_DOCUMENTLOADER_SERVICE_CID \
  { 0x057b04d0, 0x0ccf, 0x11d2, { 0xbe, 0xba, 0x00, 0x80, 0x5f, 0x8a, 0x66, 0xdc } }
#define NS_DOCUMENTLOADER_SERVICE_CONTRACTID "@mozilla.org/docloaderservice;1"
