# Saving a 20-leg plan with comments (plan file and text report) and retrieving it.
add_executable(bench_planfile ${CMAKE_CURRENT_LIST_DIR}/bench_planfile.cpp)
target_link_libraries(bench_planfile PRIVATE tarvex_report tarvex_planfile benchmark::benchmark)
