# Test programs for assets.
