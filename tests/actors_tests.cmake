# Test programs for actors.
