# Benchmarks, run by hand.
add_executable(bench_render bench/bench_render.cpp)
target_link_libraries(bench_render PRIVATE swarmfall_core)
