# One warning policy for every target of the project.
# No -Wnon-virtual-dtor: COM and XPCOM interfaces have no virtual destructor by design
# (an object is destroyed by its last Release), so the warning fires on every class that
# implements one. -Wdelete-non-virtual-dtor (in -Wall) still catches a delete through
# such a pointer.
add_library(tw_warnings INTERFACE)
target_compile_options(tw_warnings INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wcast-align -Wformat=2 -Wimplicit-fallthrough>
  $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra>
  $<$<BOOL:${TW_WARNINGS_AS_ERRORS}>:-Werror>)
