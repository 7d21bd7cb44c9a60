# Test programs for actors_round.
