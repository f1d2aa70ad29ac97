# Every help context the program opens must lead to a page inside the
# compiled help file: the context in its map, and the page the map names
# among its files. Reads the compiled file, so a page lost or a path the
# compiler mangled fails too.
# cmake -DCHM=mivo.chm -DSOURCE_DIR=... -DWORK_DIR=... -P CheckHelpContexts.cmake
cmake_minimum_required(VERSION 3.25)

# The contexts, from where the program takes them: its own, and the folder
# picker's table for each program of the suite.
file(READ ${SOURCE_DIR}/src/platform/HelpContexts.h header)
string(REGEX MATCHALL "= [0-9]+;" own "${header}")
file(READ ${SOURCE_DIR}/src/folderbrowse/FolderChoice.cpp picker)
string(REGEX MATCHALL "{\"[A-Za-z]+\", [0-9]+}" table "${picker}")
if(NOT own OR NOT table)
  message(FATAL_ERROR "no help contexts found in the sources: their form changed")
endif()
set(contexts)
foreach(entry IN LISTS own table)
  string(REGEX MATCH "[0-9]+" number "${entry}")
  list(APPEND contexts ${number})
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${CHM} DESTINATION ${WORK_DIR})
get_filename_component(name ${CHM} NAME_WE)
# chmls writes the map beside the file it reads, as NAME.h and NAME.ali.
execute_process(COMMAND chmls extractalias ${name}.chm WORKING_DIRECTORY ${WORK_DIR} OUTPUT_QUIET)
execute_process(COMMAND chmls -n -p list ${name}.chm WORKING_DIRECTORY ${WORK_DIR}
                OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed OR NOT EXISTS ${WORK_DIR}/${name}.h OR NOT EXISTS ${WORK_DIR}/${name}.ali)
  message(FATAL_ERROR "cannot read the help file ${CHM}")
endif()
file(STRINGS ${WORK_DIR}/${name}.h defines)
file(STRINGS ${WORK_DIR}/${name}.ali aliases)
string(REGEX REPLACE "\n" ";" files "${listing}")

list(REMOVE_DUPLICATES contexts)
set(faults)
foreach(context IN LISTS contexts)
  set(page "")
  foreach(define IN LISTS defines)
    if(define MATCHES "^#define ([^ ]+) ${context}$")
      set(symbol ${CMAKE_MATCH_1})
      foreach(alias IN LISTS aliases)
        if(alias MATCHES "^${symbol}=(.+)$")
          set(page ${CMAKE_MATCH_1})
        endif()
      endforeach()
    endif()
  endforeach()
  if(page STREQUAL "")
    list(APPEND faults "context ${context} is not in the help file's map")
  elseif(NOT page IN_LIST files)
    list(APPEND faults "context ${context} names ${page}, which is not in the help file")
  endif()
endforeach()
if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "${text}")
endif()
list(JOIN contexts ", " text)
message(STATUS "contexts ${text}: each opens a page")
