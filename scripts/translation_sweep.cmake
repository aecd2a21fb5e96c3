# Fails when translations/zorkan_en.ts is behind the sources, or when a text of the window is left
# without its English: lupdate, with the options and sources the build gives it, runs over a copy
# of the .ts, which must come out unchanged and hold no unfinished, empty or Russian translation.
#   cmake -DLUPDATE=… -DPROJECT=….cmake -DPROJECT_WRITER=GenerateLUpdateProject.cmake
#         -DOPTIONS="opt|opt…" -DTS=translations/zorkan_en.ts -DSCRATCH=dir -P translation_sweep.cmake
cmake_minimum_required(VERSION 3.25)

set(update "cmake --build build-test --target update_translations")
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
get_filename_component(name "${TS}" NAME)
set(copy "${SCRATCH}/${name}")
file(COPY_FILE "${TS}" "${copy}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" "-DIN_FILE=${PROJECT}" "-DOUT_FILE=${SCRATCH}/project.json"
          -P "${PROJECT_WRITER}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The lupdate project could not be written from ${PROJECT}")
endif()
string(REPLACE "|" ";" options "${OPTIONS}")
execute_process(
  COMMAND "${LUPDATE}" -silent -project "${SCRATCH}/project.json" ${options} -ts "${copy}"
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()

file(READ "${TS}" kept)
file(READ "${copy}" swept)
if(NOT kept STREQUAL swept)
  execute_process(COMMAND diff -u "${TS}" "${copy}" OUTPUT_VARIABLE difference)
  message(FATAL_ERROR
          "${TS} is not up to date with the sources. Run `${update}`, translate what it "
          "marks unfinished (linguist ${TS}) and commit it.\n${difference}")
endif()

# Each message's source and translation, their semicolons kept from CMake's lists.
string(REPLACE ";" "@semicolon@" swept "${swept}")
string(REPLACE "</message>" "</message>;" pieces "${swept}")
set(messages "")
foreach(piece IN LISTS pieces)
  string(FIND "${piece}" "<message" at)
  if(at GREATER_EQUAL 0)
    string(SUBSTRING "${piece}" ${at} -1 message)
    list(APPEND messages "${message}")
  endif()
endforeach()
# Each letter an alternative of its own: CMake's brackets hold bytes, and a Cyrillic letter is two.
set(cyrillic "А|Б|В|Г|Д|Е|Ё|Ж|З|И|Й|К|Л|М|Н|О|П|Р|С|Т|У|Ф|Х|Ц|Ч|Ш|Щ|Ъ|Ы|Ь|Э|Ю|Я")
string(APPEND cyrillic "|а|б|в|г|д|е|ё|ж|з|и|й|к|л|м|н|о|п|р|с|т|у|ф|х|ц|ч|ш|щ|ъ|ы|ь|э|ю|я")
set(faults "")
foreach(message IN LISTS messages)
  string(REGEX MATCH "<source>([^<]*)</source>" source "${message}")
  set(source "${CMAKE_MATCH_1}")
  string(REGEX MATCH "<translation([^>]*)>([^<]*)</translation>" translation "${message}")
  set(attributes "${CMAKE_MATCH_1}")
  set(english "${CMAKE_MATCH_2}")
  if(attributes MATCHES "unfinished|vanished|obsolete")
    string(APPEND faults "  unfinished: ${source}\n")
  elseif(english STREQUAL "")
    string(APPEND faults "  empty: ${source}\n")
  elseif(english MATCHES "${cyrillic}")
    string(APPEND faults "  still Russian: ${source} -> ${english}\n")
  endif()
endforeach()
if(NOT faults STREQUAL "")
  string(REPLACE "@semicolon@" ";" faults "${faults}")
  message(FATAL_ERROR
          "Texts of the window without their English in ${TS} (translate them, e.g. "
          "linguist ${TS}, after `${update}`):\n${faults}")
endif()
list(LENGTH messages count)
message(STATUS "${count} texts of the window, each with its English")
