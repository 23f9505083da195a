// Placeholder.
void benchModel() {}
