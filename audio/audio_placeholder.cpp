// Placeholder until the mixer lands.
