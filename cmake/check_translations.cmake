# Fails when the sources hold a text without a finished English translation, or the .ts file
# holds one the sources no longer use. lupdate works on a copy in a temporary folder of its
# own: the test may run as a user who cannot write the build folder.
set(temporary $ENV{TMPDIR})
if(NOT temporary)
  set(temporary /tmp)
endif()
string(RANDOM LENGTH 12 tag)
set(WORK ${temporary}/quendal-translations-${tag})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${TS} DESTINATION ${WORK})
get_filename_component(name ${TS} NAME)
set(updated ${WORK}/${name})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCES} -ts ${updated}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(READ ${updated} text)
file(REMOVE_RECURSE ${WORK})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()

# A source text may hold control characters, which lupdate writes as <byte value="xd"/>.
set(source "<source>([^<]|<byte[^>]*>)*</source>[^<]*")
# CMake lists split at semicolons, which some texts hold.
string(REPLACE ";" "," listable "${text}")
set(problems "")
foreach(kind unfinished vanished obsolete)
  string(REGEX MATCHALL "${source}<translation type=\"${kind}\"" found "${listable}")
  foreach(entry IN LISTS found)
    string(REGEX REPLACE "^<source>|</source>.*" "" entry "${entry}")
    string(APPEND problems "  ${kind}: ${entry}\n")
  endforeach()
endforeach()
string(REGEX MATCHALL "${source}<translation></translation>" found "${listable}")
foreach(entry IN LISTS found)
  string(REGEX REPLACE "^<source>|</source>.*" "" entry "${entry}")
  string(APPEND problems "  empty: ${entry}\n")
endforeach()
if(problems)
  message(FATAL_ERROR "${name} is not complete: run the target update_translations, which "
    "drops the texts no longer used, and translate the rest:\n${problems}")
endif()

file(READ ${TS} committed)
if(NOT committed STREQUAL text)
  message(FATAL_ERROR "${name} is not as lupdate writes it: run the target update_translations")
endif()
