# The hardened build that the Debian package is made from: the flags Debian builds its
# own packages with, asked from dpkg-buildflags rather than copied, so they follow the
# distribution. Every hardening feature is asked for, immediate binding included, which
# Debian leaves off by default. Optimisation and debug information stay the build type's
# choice, and the reproducibility features, which rewrite the source paths after the
# folder cmake happens to run in, are left out.

# vantrel_dpkg_buildflags(<FLAGS> <out>): the hardening part of one dpkg-buildflags
# variable (CXXFLAGS, CPPFLAGS, LDFLAGS), as a list.
function(vantrel_dpkg_buildflags variable out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-all"
            ${VANTREL_DPKG_BUILDFLAGS} --get ${variable}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O|g)")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

# vantrel_harden(): applies the flags to every target defined after it.
function(vantrel_harden)
  if(VANTREL_SANITIZE OR VANTREL_FUZZ OR CMAKE_BUILD_TYPE MATCHES "^(Debug|)$")
    # Without optimisation glibc quietly turns _FORTIFY_SOURCE off, and the
    # sanitizers check the same calls in their own way.
    message(FATAL_ERROR "VANTREL_HARDEN is for an optimised build without sanitizers: "
      "use the release preset (cmake --preset release)")
  endif()
  find_program(VANTREL_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  vantrel_dpkg_buildflags(CPPFLAGS cppflags)
  vantrel_dpkg_buildflags(CXXFLAGS cxxflags)
  vantrel_dpkg_buildflags(LDFLAGS ldflags)
  # A compiler that fortifies by default would see the level redefined, a warning and
  # so an error: the level dpkg-buildflags gives replaces the compiler's own.
  if(cppflags MATCHES "-D_FORTIFY_SOURCE=")
    list(PREPEND cppflags -U_FORTIFY_SOURCE)
  endif()
  string(JOIN " " shown ${cppflags} ${cxxflags} ${ldflags})
  message(STATUS "Hardening flags from dpkg-buildflags: ${shown}")
  add_compile_options(${cppflags} ${cxxflags})
  add_link_options(${ldflags})
  # Position-independent programs, whether or not the compiler makes them by default.
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON PARENT_SCOPE)
endfunction()
