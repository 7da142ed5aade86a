// A stand-in for the browser process as far as the component's start-up goes: starts
// XPCOM with the components folder of "--components DIR" (which loads, registers and
// creates the start-up components) and runs until its standard input ends. Other
// arguments are accepted and ignored.
#include <cstdio>
#include <cstring>
#include <string>

#include "testbed/xpcom.h"

int main(int argc, char** argv) {
  std::string components;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--components") == 0) components = argv[i + 1];
  if (components.empty()) {
    std::fprintf(stderr, "usage: %s --components DIR [arguments]\n", argv[0]);
    return 2;
  }
  if (NS_FAILED(xpcom::testbed::startXPCOM(components, ""))) return 1;
  while (std::fgetc(stdin) != EOF) {
  }
  xpcom::testbed::shutdownXPCOM();
  return 0;
}
