// Keeps the library non-empty until this area has its own files.
