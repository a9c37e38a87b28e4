# Builds that look for faults the tests alone would not show.
#
# ZAVOK32_SANITIZE: every program and test is built with AddressSanitizer
# and UndefinedBehaviorSanitizer; any report ends the program with a
# failure, so ctest fails on it.
# ZAVOK32_FUZZ (clang only, implies ZAVOK32_SANITIZE): the code is also
# instrumented for coverage, and the libFuzzer targets of fuzz/ are built.
option(ZAVOK32_FUZZ "Build the libFuzzer targets (clang; implies ZAVOK32_SANITIZE)" OFF)
option(ZAVOK32_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(ZAVOK32_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZAVOK32_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++-14)")
  endif()
  set(ZAVOK32_SANITIZE ON CACHE BOOL "" FORCE)
endif()

if(ZAVOK32_SANITIZE)
  set(zavok_sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${zavok_sanitizer_flags})
  add_link_options(${zavok_sanitizer_flags})
endif()
if(ZAVOK32_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Every program of a sanitizer build carries its own sanitizer settings, so
# that a program started by a test with an emptied environment (as some are)
# still reports leaks and still knows what to leave alone.
function(zavok_add_sanitizer_options dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/cmake/sanitizeroptions.cpp)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    zavok_add_sanitizer_options(${subdir})
  endforeach()
endfunction()
