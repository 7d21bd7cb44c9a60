#pragma once
// The logic of each family of states and the lines of those that show any
// over their screen, as the state table names them. Every logic runs once per loop pass
// while its state is current.
#include <iosfwd>

#include "app/state_picture.h"

struct GameSession;

// Title, character choice and story (title_states.cpp).
void intro_logic(GameSession& session, double now, std::ostream& out);
void choose_character_logic(GameSession& session, double now, std::ostream& out);
void story_logic(GameSession& session, double now, std::ostream& out);
void story_wait_key_logic(GameSession& session, double now, std::ostream& out);
void choose_character_text(const GameSession& session, StatePicture& picture);

// Play (play_state.cpp): tick, countdown, camera, animation, decision pass,
// round rules; the play message over the scene.
void playing_logic(GameSession& session, double now, std::ostream& out);
void playing_text(const GameSession& session, StatePicture& picture);

// The messages over the scene between rounds (message_states.cpp).
void have_another_go_logic(GameSession& session, double now, std::ostream& out);
void rescue_message_logic(GameSession& session, double now, std::ostream& out);
void death_message_logic(GameSession& session, double now, std::ostream& out);
void hostage_found_logic(GameSession& session, double now, std::ostream& out);
void have_another_go_text(const GameSession& session, StatePicture& picture);
void rescue_text(const GameSession& session, StatePicture& picture);
void death_text(const GameSession& session, StatePicture& picture);
void hostage_found_text(const GameSession& session, StatePicture& picture);

// The score and time-up screens (score_states.cpp).
void score_screen_logic(GameSession& session, double now, std::ostream& out);
void score_wait_key_logic(GameSession& session, double now, std::ostream& out);
void time_up_screen_logic(GameSession& session, double now, std::ostream& out);
void time_up_wait_key_logic(GameSession& session, double now, std::ostream& out);
// Copies the game's counters to the shown statistics; on every pass of the
// rescue and time-up states.
void show_statistics(GameSession& session);

// The options and controls menus behind the 0.8 s gate (menu_states.cpp).
void options_menu_logic(GameSession& session, double now, std::ostream& out);
void controls_menu_logic(GameSession& session, double now, std::ostream& out);
void options_menu_text(const GameSession& session, StatePicture& picture);
void controls_menu_text(const GameSession& session, StatePicture& picture);
