# The soak: the real game played for many rounds through a scripted platform.
# Built by every build so it keeps compiling; `make soak` runs it for 30
# rounds, and the sanitizer build runs a short game of 6 rounds as a test.
add_executable(soak_game soak_game.cpp soak_player.cpp)
target_link_libraries(soak_game PRIVATE swarmfall_presentation)
target_include_directories(soak_game PRIVATE ${CMAKE_SOURCE_DIR}/tests)
if(SWARMFALL_SANITIZE)
  add_test(NAME Soak.ShortGame COMMAND soak_game --rounds 6 --rescues 2
           WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
  # About a minute on two busy cores.
  set_tests_properties(Soak.ShortGame PROPERTIES ENVIRONMENT "ALSOFT_DRIVERS=null" TIMEOUT 600)
endif()
