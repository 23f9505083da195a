// Placeholder.
void benchEditor() {}
