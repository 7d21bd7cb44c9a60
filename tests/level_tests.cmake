# Test programs for level.
