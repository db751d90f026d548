// Placeholder until the game state lands.
