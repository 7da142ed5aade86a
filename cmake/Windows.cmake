# The 32-bit Windows build (preset windows-x86): the three deliverables, skerrow.dll,
# fennick.dll and Tapwire.dll, against the real SDK headers and import libraries of the
# cross compiler. Nothing of platform/'s stand-ins, no test programs, no Java: what is
# checked here is that the system's code builds as Windows code and exports what its
# callers look up (tests/windows).

# Windows names: skerrow.dll, not libskerrow.dll (the host and skerrow load them by name).
set(CMAKE_SHARED_LIBRARY_PREFIX "")

# The Linux build's optimisation level. (At -O3 GCC 12 reports a false -Wrestrict inside
# libstdc++'s string code.)
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")

# The oldest Windows the libraries are meant for is XP (Internet Explorer 6), so the
# headers declare nothing newer. UNICODE stays undefined: the code calls the generic
# Win32 names with char strings (the ANSI functions).
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)

# The C++ runtime, libgcc and the thread library are linked into each DLL, so the DLLs
# need no MinGW DLL on the target machine. (MinGW-w64's thread library calls
# GetTickCount64, so as built they need Windows Vista or later.) --kill-at drops the @N
# suffix of __stdcall names in the export table: a 32-bit JVM looks natives up
# undecorated.
add_link_options(-static -Wl,--kill-at)

# jni.h is the same on every system; jni_md.h is the project's own for Windows (the JDK
# on the build machine ships only its own system's).
if(NOT DEFINED TW_JDK_INCLUDE_DIR)
  if(DEFINED ENV{JAVA_HOME})
    set(TW_JDK_HOME $ENV{JAVA_HOME})
  else()
    find_program(TW_JAVAC javac REQUIRED)
    file(REAL_PATH ${TW_JAVAC} TW_JAVAC_REAL)
    cmake_path(GET TW_JAVAC_REAL PARENT_PATH TW_JDK_BIN)
    cmake_path(GET TW_JDK_BIN PARENT_PATH TW_JDK_HOME)
  endif()
  set(TW_JDK_INCLUDE_DIR ${TW_JDK_HOME}/include CACHE PATH "The folder of the JDK's jni.h")
endif()
if(NOT EXISTS ${TW_JDK_INCLUDE_DIR}/jni.h)
  message(FATAL_ERROR "jni.h not found in ${TW_JDK_INCLUDE_DIR}")
endif()
set(JNI_INCLUDE_DIRS ${PROJECT_SOURCE_DIR}/cmake/windows/include ${TW_JDK_INCLUDE_DIR})

# On Windows the platform is the real one: the targets that stand for it on Linux
# name the system's import libraries instead.
add_library(platform_win32 INTERFACE)
target_link_libraries(platform_win32 INTERFACE user32 advapi32 kernel32)
add_library(platform_com INTERFACE)
target_link_libraries(platform_com INTERFACE platform_win32 ole32 oleaut32 uuid)
add_library(platform_mshtml INTERFACE)
target_link_libraries(platform_mshtml INTERFACE platform_com)

enable_testing()
add_subdirectory(common)
add_subdirectory(MozillaDetails)
add_subdirectory(ie)
add_subdirectory(platform/tapwire)
add_subdirectory(tests/windows)
