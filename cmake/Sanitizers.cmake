# TW_SANITIZE=address  -> AddressSanitizer with UndefinedBehaviorSanitizer
# TW_SANITIZE=thread   -> ThreadSanitizer
set(TW_SANITIZE "" CACHE STRING "Sanitizer build: empty, address or thread")

if(TW_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(TW_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT TW_SANITIZE STREQUAL "")
  message(FATAL_ERROR "TW_SANITIZE must be empty, address or thread")
endif()
