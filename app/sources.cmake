# Sources of app/: the flow (swarmfall_flow) and start-up with the window,
# sound and frame drawing (swarmfall_presentation).
# The platform door and the machine's own answers; the door on GLFW is the
# presentation's.
# The machine's own answers come from one file per kind of system; the
# other one is named for the source-list check.
if(WIN32)
  target_sources(swarmfall_flow PRIVATE app/platform.cpp app/platform_system_windows.cpp)
  target_link_libraries(swarmfall_flow PUBLIC shell32 ole32 user32)
  set_property(GLOBAL APPEND PROPERTY SWARMFALL_OTHER_SYSTEM_SOURCES
    ${CMAKE_SOURCE_DIR}/app/platform_system.cpp)
else()
  target_sources(swarmfall_flow PRIVATE app/platform.cpp app/platform_system.cpp)
  set_property(GLOBAL APPEND PROPERTY SWARMFALL_OTHER_SYSTEM_SOURCES
    ${CMAKE_SOURCE_DIR}/app/platform_system_windows.cpp
    ${CMAKE_SOURCE_DIR}/app/gpu_preference_windows.cpp)
endif()
target_sources(swarmfall_presentation PRIVATE
  app/platform_glfw.cpp)
# Whether the sound library is there: always where it is linked as usual,
# asked on Windows where OpenAL32.dll is loaded on demand.
if(WIN32)
  target_sources(swarmfall_presentation PRIVATE app/sound_library_windows.cpp)
  set_property(GLOBAL APPEND PROPERTY SWARMFALL_OTHER_SYSTEM_SOURCES
    ${CMAKE_SOURCE_DIR}/app/sound_library_system.cpp)
else()
  target_sources(swarmfall_presentation PRIVATE app/sound_library_system.cpp)
  set_property(GLOBAL APPEND PROPERTY SWARMFALL_OTHER_SYSTEM_SOURCES
    ${CMAKE_SOURCE_DIR}/app/sound_library_windows.cpp)
endif()
# Key bindings and the keys as the game reads them; the gamepad read as
# keys, what its controls stand for on each screen, and the player's pad
# mappings.
target_sources(swarmfall_flow PRIVATE
  app/key_bindings.cpp
  app/key_reads.cpp
  app/pad_input.cpp
  app/pad_layouts.cpp
  app/pad_mappings.cpp)
# The main loop, the state table with a file per family of states, and the
# round rules.
target_sources(swarmfall_flow PRIVATE
  app/game_session.cpp
  app/game_loop.cpp
  app/state_table.cpp
  app/title_states.cpp
  app/play_state.cpp
  app/message_states.cpp
  app/score_states.cpp
  app/menu_states.cpp
  app/camera_input.cpp
  app/menu_escape.cpp
  app/round_rules.cpp
  app/loop_clock.cpp
  app/slow_frames.cpp
  app/state_report.cpp)
# Start-up, sound and the drawing of each state.
target_sources(swarmfall_presentation PRIVATE
  app/audio.cpp
  app/startup.cpp
  app/asset_lookup.cpp
  app/command_line.cpp
  app/game_draw.cpp)
# --version prints the project's version.
set_property(SOURCE app/command_line.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS SWARMFALL_VERSION="${PROJECT_VERSION}")
# The settings: their record and text form, the file, and how they apply;
# the player's files in general.
target_sources(swarmfall_flow PRIVATE
  app/settings.cpp
  app/settings_file.cpp
  app/user_files.cpp
  app/settings_apply.cpp)
# The best scores: the table and its text form, the file, the game's end.
target_sources(swarmfall_flow PRIVATE
  app/best_scores.cpp
  app/best_scores_file.cpp
  app/game_end.cpp)
# Replays: the commands of a decision pass, the file's text, recording and
# playing back in the session, where they are kept, and checking one.
target_sources(swarmfall_flow PRIVATE
  app/pass_commands.cpp
  app/replay_text.cpp
  app/replay_session.cpp
  app/replay_files.cpp
  app/replay_check.cpp
  app/replay_watch.cpp)
# Headers with no .cpp of their own, with the library that owns them: the
# states, the input record, key codes, a replay and what a state shows are
# the flow's; what start-up builds above the session is the presentation's.
target_sources(swarmfall_flow PRIVATE
  app/game_state.h
  app/input_frame.h
  app/key_codes.h
  app/replay.h
  app/shown_statistics.h
  app/state_families.h
  app/state_picture.h)
target_sources(swarmfall_presentation PRIVATE
  app/presentation.h)
