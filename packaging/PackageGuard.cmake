# Read by cpack before it makes a package. The Debian package must hold the programs
# as the release preset builds them: for the prefix /usr, whose shared store folder is
# compiled into the program and made by the maintainer scripts, and hardened. Any
# other build would give a package with files under /usr/local or without the
# hardening, so cpack stops instead.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(problems)
  if(NOT CPACK_VANTREL_BUILD_PREFIX STREQUAL "/usr")
    list(APPEND problems "its install prefix is ${CPACK_VANTREL_BUILD_PREFIX}, not /usr")
  endif()
  if(NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL CPACK_VANTREL_BUILD_PREFIX)
    list(APPEND problems "the package's prefix ${CPACK_PACKAGING_INSTALL_PREFIX} is not the build's")
  endif()
  if(NOT CPACK_VANTREL_HARDENED)
    list(APPEND problems "it is built without the hardening flags (VANTREL_HARDEN)")
  endif()
  if(problems)
    list(JOIN problems "; " problems)
    message(FATAL_ERROR "The Debian package cannot be made from this build: ${problems}. "
      "Make it from the release preset: cmake --preset release && "
      "cmake --build build/release && cd build/release && cpack -G DEB")
  endif()
endif()
