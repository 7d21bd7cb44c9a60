# Benchmarks, run by hand.
