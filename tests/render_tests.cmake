# Test programs for render.
