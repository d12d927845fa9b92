# Writes the finished translations of the counter's texts (the context vantrel-count)
# as the C++ table of tools/CountTexts.h, so that the counter speaks the player's
# language without loading Qt:
#
#   cmake -DOUTPUT=CountTranslations.cpp "-DTS_FILES=a/vantrel_de.ts;a/vantrel_fr.ts"
#         -P CounterTexts.cmake
#
# lupdate writes every message on lines of its own, its texts with no "<" but the
# entities below, so the file is read without an XML parser.

cmake_minimum_required(VERSION 3.25)

function(unescaped text result)
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&quot;" "\"" text "${text}")
  string(REPLACE "&apos;" "'" text "${text}")
  string(REPLACE "&amp;" "&" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# Delimited so that no text can end the literal early.
function(literal text result)
  set(${result} "R\"vantrel(${text})vantrel\"" PARENT_SCOPE)
endfunction()

set(CONTEXT vantrel-count)
set(rows "")
foreach(ts ${TS_FILES})
  string(REGEX REPLACE ".*/vantrel_(.+)\\.ts$" "\\1" language "${ts}")
  file(READ "${ts}" content)
  string(FIND "${content}" "<name>${CONTEXT}</name>" start)
  if(start EQUAL -1)
    continue()
  endif()
  string(SUBSTRING "${content}" ${start} -1 content)
  string(FIND "${content}" "</context>" end)
  string(SUBSTRING "${content}" 0 ${end} content)
  while(TRUE)
    string(FIND "${content}" "</message>" end)
    if(end EQUAL -1)
      break()
    endif()
    string(SUBSTRING "${content}" 0 ${end} message)
    math(EXPR next "${end} + 10")
    string(SUBSTRING "${content}" ${next} -1 content)
    # Unfinished translations carry a type and are left out, as lrelease leaves them.
    if(message MATCHES "<source>([^<]*)</source>")
      set(source "${CMAKE_MATCH_1}")
      if(message MATCHES "<translation>([^<]+)</translation>")
        unescaped("${source}" source)
        unescaped("${CMAKE_MATCH_1}" translation)
        literal("${source}" source)
        literal("${translation}" translation)
        string(APPEND rows "    {\"${language}\", ${source},\n     ${translation}},\n")
      endif()
    endif()
  endwhile()
endforeach()

file(WRITE "${OUTPUT}.new"
  "// Written by the build from the translation files; edit those instead.\n"
  "#include \"tools/CountTexts.h\"\n\n#include <iterator>\n\nnamespace vantrel {\n\n"
  "const CountTranslation CountTranslations[] = {\n${rows}};\n"
  "const std::size_t CountTranslationCount = std::size(CountTranslations);\n\n"
  "}  // namespace vantrel\n")
# Rewritten only when it changes, so that the program is not rebuilt for nothing.
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
