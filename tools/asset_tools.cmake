# Asset generators.
# The generators behind every mesh, texture, sound and preview under model/,
# texture/, sounds/ and docs/assets/. Not part of the game: `make assets`
# runs make_assets to write them all again.
add_library(swarmfall_asset_gen STATIC
  tools/assets/block_atlas.cpp
  tools/assets/dds.cpp
  tools/assets/font_atlas.cpp
  tools/assets/icon.cpp
  tools/assets/image.cpp
  tools/assets/mesh.cpp
  tools/assets/models_creatures.cpp
  tools/assets/models_people.cpp
  tools/assets/preview.cpp
  tools/assets/screen_art.cpp
  tools/assets/screens.cpp
  tools/assets/sound.cpp
  tools/assets/text.cpp)
target_include_directories(swarmfall_asset_gen PUBLIC ${CMAKE_SOURCE_DIR})
add_executable(make_assets tools/assets/make_assets.cpp)
target_link_libraries(make_assets PRIVATE swarmfall_asset_gen)
