# Identifier lookup in the main window: the airport found on the shared cursor and its five
# service lists loaded, on the 75,000-airport database.
add_executable(bench_lookup ${CMAKE_CURRENT_LIST_DIR}/bench_lookup.cpp)
target_link_libraries(bench_lookup PRIVATE tarvex_windows benchmark::benchmark)
