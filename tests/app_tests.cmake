# Test programs for app.
