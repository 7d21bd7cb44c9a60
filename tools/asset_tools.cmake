# Asset generators.
