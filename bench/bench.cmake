# Benchmarks, run by hand.
add_executable(bench_render
  bench/bench_render.cpp
  bench/bench_timing.cpp
  bench/late_game.cpp
  bench/lighter_pictures.cpp)
target_link_libraries(bench_render PRIVATE swarmfall_presentation)
