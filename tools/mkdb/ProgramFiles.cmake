# cmake -DMKDB=<tarvex-mkdb> -DDATA_DIR=<data> -DPROGRAM_DIR=<dir> -P ProgramFiles.cmake
# Puts into PROGRAM_DIR what is missing there: data.mdb built from DATA_DIR, and every file of
# DATA_DIR/program. Nothing that already exists in PROGRAM_DIR is replaced.
cmake_minimum_required(VERSION 3.25)
foreach(var MKDB DATA_DIR PROGRAM_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "ProgramFiles.cmake: ${var} is not set")
  endif()
endforeach()
file(MAKE_DIRECTORY "${PROGRAM_DIR}")

if(NOT EXISTS "${PROGRAM_DIR}/data.mdb")
  if(EXISTS "${DATA_DIR}/airports.tsv" AND EXISTS "${DATA_DIR}/services.tsv")
    execute_process(COMMAND "${MKDB}" "${DATA_DIR}" "${PROGRAM_DIR}/data.mdb"
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "data.mdb could not be built from ${DATA_DIR} (see above)")
    endif()
  else()
    message(STATUS "data.mdb not built: ${DATA_DIR}/airports.tsv or services.tsv is missing")
  endif()
endif()

file(GLOB sources LIST_DIRECTORIES false "${DATA_DIR}/program/*")
foreach(source ${sources})
  get_filename_component(name "${source}" NAME)
  if(name MATCHES "^\\." OR EXISTS "${PROGRAM_DIR}/${name}")
    continue()
  endif()
  # Copied under another name and renamed, so an interrupted build leaves no half file that
  # the next build would then take for the user's.
  file(COPY_FILE "${source}" "${PROGRAM_DIR}/${name}.part")
  file(RENAME "${PROGRAM_DIR}/${name}.part" "${PROGRAM_DIR}/${name}")
  message(STATUS "Program directory: ${name} added")
endforeach()
