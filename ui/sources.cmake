# Sources of ui/: the menus' logic and key names (swarmfall_flow), and the
# drawing of the screens and menus (swarmfall_presentation).
target_sources(swarmfall_flow PRIVATE
  ui/menus.cpp
  ui/key_names.cpp)
target_sources(swarmfall_presentation PRIVATE
  ui/screen_images.cpp
  ui/best_scores_drawing.cpp
  ui/menu_drawing.cpp
  ui/pad_hints.cpp)
# Headers with no .cpp of their own: the screens' resources are the flow's
# (the menus keep their state there); the screen images and the best
# scores' layout on screen are the presentation's.
target_sources(swarmfall_flow PRIVATE
  ui/screen_resources.h)
target_sources(swarmfall_presentation PRIVATE
  ui/best_scores_layout.h
  ui/screens.h)
