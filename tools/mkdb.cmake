# tarvex-mkdb builds data.mdb from data/*.tsv with the database layer's own schema code.
add_library(tarvex_mkdb_import STATIC ${CMAKE_CURRENT_LIST_DIR}/mkdb/Import.cpp)
target_include_directories(tarvex_mkdb_import PUBLIC ${CMAKE_CURRENT_LIST_DIR}/mkdb)
target_link_libraries(tarvex_mkdb_import PUBLIC tarvex_db)

add_executable(tarvex-mkdb ${CMAKE_CURRENT_LIST_DIR}/mkdb/main.cpp)
target_link_libraries(tarvex-mkdb PRIVATE tarvex_mkdb_import)

# The program directory: data.mdb and the files of data/program/ are put there when they are
# missing. The check runs at every build; a file already there is the user's and is kept.
add_custom_target(tarvex_program_files ALL
  COMMAND ${CMAKE_COMMAND}
          -DMKDB=$<TARGET_FILE:tarvex-mkdb>
          -DDATA_DIR=${CMAKE_SOURCE_DIR}/data
          -DPROGRAM_DIR=${TARVEX_PROGRAM_DIR}
          -P ${CMAKE_CURRENT_LIST_DIR}/mkdb/ProgramFiles.cmake
  DEPENDS tarvex-mkdb
  COMMENT "Assembling the program directory"
  VERBATIM)
