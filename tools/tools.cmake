# Asset and level generators.
