# One warning policy for every target of the project.
add_library(tw_warnings INTERFACE)
target_compile_options(tw_warnings INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Wformat=2 -Wimplicit-fallthrough>
  $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra>
  $<$<BOOL:${TW_WARNINGS_AS_ERRORS}>:-Werror>)
