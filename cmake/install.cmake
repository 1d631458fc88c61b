# Installing like a desktop program: filled in by the packaging work.
