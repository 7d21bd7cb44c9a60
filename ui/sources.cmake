# Sources of the game library in ui/.
