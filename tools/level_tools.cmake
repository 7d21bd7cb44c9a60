# The city generator.
