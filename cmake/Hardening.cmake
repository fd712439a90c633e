# Debian's hardening for what is built here, as Debian's own packages get it:
# fortified C library calls, the stack protector, full RELRO and bind-now.
# The flags come from dpkg-buildflags where there is one, bind-now included
# (Debian leaves it to each package); elsewhere the same set is written out.
# Optimisation and debug information stay the build type's. The sanitizer
# build goes without: its own checks take the place of these.
if(MARLOQUENT_SANITIZE)
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g.*|O.*|f(file|debug|macro)-prefix-map=.*)$")
    set(hardening_${kind} ${flags})
  endforeach()
else()
  set(hardening_CPPFLAGS -D_FORTIFY_SOURCE=2)
  set(hardening_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
  set(hardening_LDFLAGS -Wl,-z,relro -Wl,-z,now)
endif()
string(JOIN " " shown ${hardening_CPPFLAGS} ${hardening_CXXFLAGS} ${hardening_LDFLAGS})
message(STATUS "Hardening: ${shown}")

# Fortified calls need the optimiser; without it glibc only warns.
set(fortify ${hardening_CPPFLAGS})
list(FILTER fortify INCLUDE REGEX "^-D_FORTIFY_SOURCE=")
list(FILTER hardening_CPPFLAGS EXCLUDE REGEX "^-D_FORTIFY_SOURCE=")
add_compile_options(${hardening_CPPFLAGS} ${hardening_CXXFLAGS} "$<$<NOT:$<CONFIG:Debug>>:${fortify}>")
add_link_options(${hardening_LDFLAGS})
