# Each layer of the program is one library that sees only its own folder. Its include
# directory is a small view in the build tree that holds just a link named after the
# folder, so "engine/Deck.h" is found through vantrel_engine and nowhere else: a file
# that includes a folder its library does not link fails to compile.

# vantrel_layer(<target> <folder>): gives the library the view of its folder, for itself
# and for whatever links it, in place of any include directories it had.
function(vantrel_layer target folder)
  set(view ${PROJECT_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${view})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${view}/${folder} SYMBOLIC)
  set_target_properties(${target} PROPERTIES
    INCLUDE_DIRECTORIES ${view}
    INTERFACE_INCLUDE_DIRECTORIES ${view})
endfunction()
