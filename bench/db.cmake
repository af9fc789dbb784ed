# The airport database at full size (75,000 airports).
add_executable(bench_db ${CMAKE_CURRENT_LIST_DIR}/bench_db.cpp)
target_link_libraries(bench_db PRIVATE tarvex_db benchmark::benchmark)
