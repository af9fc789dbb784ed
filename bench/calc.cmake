# Flight computations: one whole leg, and every leg of a 20-leg plan recomputed after an
# aircraft change.
add_executable(bench_calc ${CMAKE_CURRENT_LIST_DIR}/bench_calc.cpp)
target_link_libraries(bench_calc PRIVATE tarvex_planning benchmark::benchmark)
