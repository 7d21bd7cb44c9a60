# The city generator.
add_executable(make_city
  tools/city_gen_main.cpp
  tools/city_gen_layout.cpp
  tools/city_gen_search.cpp
  tools/city_gen_map.cpp)
target_link_libraries(make_city PRIVATE swarmfall_game)
