# Fails when a file of the program's folders includes a path that climbs out of its
# folder ("../"), which no include directory could stop.
file(GLOB_RECURSE sources
  ${ROOT}/engine/* ${ROOT}/store/* ${ROOT}/platform/* ${ROOT}/paint/*
  ${ROOT}/auxiliary/* ${ROOT}/app/* ${ROOT}/tools/*)
set(found "")
foreach(source IN LISTS sources)
  file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\./")
  foreach(line IN LISTS lines)
    string(APPEND found "  ${source}: ${line}\n")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "includes that climb out of their folder:\n${found}")
endif()
