# Sources of the application library in ui/.
target_sources(swarmfall_core PRIVATE
  ui/menus.cpp
  ui/key_names.cpp)
target_sources(swarmfall_core PRIVATE
  ui/screen_images.cpp
  ui/best_scores_drawing.cpp
  ui/menu_drawing.cpp)
