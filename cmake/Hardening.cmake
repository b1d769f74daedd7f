# The hardening a Debian release package is expected to carry: checked
# buffer functions, stack protection, a read-only relocation table bound at
# start-up and a position-independent executable. The sanitizer and fuzzing
# builds do without it (their run-time checks and fortify get in each other's way),
# and so does the browser page: WebAssembly has no stack to smash, no
# relocation table and no glibc to fortify.

option(KEPLER_HARDEN "Build with the usual release hardening flags" ON)
if(NOT KEPLER_HARDEN OR KEPLER_SANITIZE OR KEPLER_FUZZ OR EMSCRIPTEN)
  return()
endif()

include(CheckCXXCompilerFlag)
include(CheckPIESupported)

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported(LANGUAGES CXX)

# Fortify needs optimisation; without it glibc only warns.
add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>
                    $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
foreach(flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "KEPLER_HAS${flag}" var)
  check_cxx_compiler_flag(${flag} ${var})
  if(${var})
    add_compile_options(${flag})
  endif()
endforeach()
add_link_options(LINKER:-z,relro LINKER:-z,now)
