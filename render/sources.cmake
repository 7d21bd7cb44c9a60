# Sources of the game library in render/.
