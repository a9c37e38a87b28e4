# The hardening that Debian's tools give a package build (dpkg-buildflags
# with DEB_BUILD_MAINT_OPTIONS=hardening=+all on Debian 12): programs that
# load at any address (PIE), read-only relocations bound at start-up
# (RELRO, BIND_NOW), fortified C library calls, a stack protector, and
# format strings that cannot be data.
#
# Fortified calls need an optimising build and stand in the way of the
# sanitizers, so Debug and sanitizer builds go without them.
option(ZAVOK32_HARDENING "Build with Debian's hardening flags" ON)

if(ZAVOK32_HARDENING)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  if(NOT ZAVOK32_SANITIZE)
    add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  endif()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
